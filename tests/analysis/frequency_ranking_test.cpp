// The counts behind the charts: the most frequent rows, ties in table order,
// and every count in rank order.
#include <gtest/gtest.h>

#include "analysis/frequency_ranking.h"

namespace quilm {
namespace {

const std::vector<ResultRow> kRows = {{"a", 3}, {"b", 7}, {"c", 3}, {"d", 1}};

TEST(FrequencyRanking, MostFrequentRowsComeFirstWithTiesInTableOrder) {
  EXPECT_EQ(most_frequent(kRows, 0, 1, 3), (std::vector<RankedCount>{{"b", 7}, {"a", 3}, {"c", 3}}));
  EXPECT_EQ(most_frequent(kRows, 0, 1, 10).size(), kRows.size()) << "fewer rows than asked for";
  EXPECT_TRUE(most_frequent({}, 0, 1, 5).empty());
}

TEST(FrequencyRanking, RankFrequenciesAreEveryCountHighestFirst) {
  EXPECT_EQ(rank_frequencies(kRows, 1), (std::vector<std::int64_t>{7, 3, 3, 1}));
}

}  // namespace
}  // namespace quilm
