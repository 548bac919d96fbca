// The counts of a result table ranked, for the charts of the analysis
// window: the most frequent words (or characters), and every frequency in
// rank order for the rank-frequency (Zipf) plot.
#pragma once

#include <cstdint>
#include <vector>

#include "analysis/result_rows.h"
#include "common/bytes.h"

namespace quilm {

struct RankedCount {
  Bytes label;
  std::int64_t count = 0;
  bool operator==(const RankedCount&) const = default;
};

// The `n` rows with the highest counts, highest first; rows of equal count
// in the table's order. `label` and `count` are field positions in the rows.
std::vector<RankedCount> most_frequent(const std::vector<ResultRow>& rows, std::size_t label, std::size_t count,
                                       std::size_t n);

// Every row's count, highest first: the frequency of rank 1, 2, ...
std::vector<std::int64_t> rank_frequencies(const std::vector<ResultRow>& rows, std::size_t count);

}  // namespace quilm
