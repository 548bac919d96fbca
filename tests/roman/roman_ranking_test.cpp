// The ranking of candidate spellings by the Roman statistics, the nukta
// preference, the recent choices, and the two dictionary lookups.
#include <gtest/gtest.h>

#include "roman/roman_dictionary.h"
#include "roman/roman_ranking.h"
#include "tests/roman/roman_fixture.h"

namespace quilm::test {
namespace {

class Ranking : public ::testing::Test {
 protected:
  Ranking() { statistics_.mark_complete(); }
  RankingContext context() { return {&statistics_, &known_, &recent_}; }
  std::vector<std::string> ranked(std::vector<Bytes> candidates, int split = -1, BytesView previous = {},
                                  BytesView before = {}) {
    StatAnalysis(context(), "word", split, previous, before, candidates);
    return utf8_all(candidates);
  }

  SpellLexicon lexicon_;
  RomanStatistics statistics_;
  RecentChoices recent_;
  RomanKnownWords known_{&lexicon_, &statistics_};
};

TEST_F(Ranking, WordCountsScoreByTheirWholeLogarithm) {
  const std::pair<long, long> cases[] = {{0, 0}, {1, 0}, {2, 1}, {3, 1}, {4, 2}, {7, 2}, {8, 3}, {1 << 20, 20}};
  for (const auto& [count, score] : cases) {
    SCOPED_TRACE(count);
    RomanStatistics statistics;
    statistics.add_word(pivot("ਘਰ"), count);
    const RankingContext c{&statistics, nullptr, nullptr};
    EXPECT_EQ(candidate_score(c, {}, {}, pivot("ਘਰ")), score);
  }
}

TEST_F(Ranking, PairsTriplesAndKnownWordsAddToTheScore) {
  statistics_.add_pair(pivot("ਮੇਰਾ"), pivot("ਘਰ"), 2);
  statistics_.add_triple(pivot("ਇਹ"), pivot("ਮੇਰਾ"), pivot("ਘਰ"), 1);
  set_known_words(lexicon_, {pivot("ਘਰ")});
  EXPECT_EQ(candidate_score(context(), pivot("ਮੇਰਾ"), pivot("ਇਹ"), pivot("ਘਰ")), 5 * 2 + 10 * 1 + 3);
  EXPECT_EQ(candidate_score(context(), pivot("ਮੇਰਾ"), {}, pivot("ਘਰ")), 5 * 2 + 3);
}

TEST_F(Ranking, HigherScoresComeFirstAndTiesKeepTheirOrder) {
  statistics_.add_word(pivot("ਕਾਮ"), 3);
  statistics_.add_word(pivot("ਕੰਮ"), 100);
  statistics_.add_word(pivot("ਕਮ"), 2);
  EXPECT_EQ(ranked({pivot("ਕਾਮ"), pivot("ਕਮ"), pivot("ਕੰਮ")}), (std::vector<std::string>{"ਕੰਮ", "ਕਾਮ", "ਕਮ"}));
}

TEST_F(Ranking, OneCandidateOrMissingStatisticsLeaveTheListAlone) {
  RomanStatistics incomplete;
  incomplete.add_word(pivot("ਕੰਮ"), 100);
  std::vector<Bytes> list = {pivot("ਕਮ"), pivot("ਕੰਮ")};
  EXPECT_EQ(utf8(StatAnalysis({&incomplete, &known_, &recent_}, "kam", -1, {}, {}, list)), "ਕਮ");
  EXPECT_EQ(utf8_all(list), (std::vector<std::string>{"ਕਮ", "ਕੰਮ"}));
  std::vector<Bytes> one = {pivot("ਕਮ")};
  EXPECT_EQ(utf8(StatAnalysis(context(), "kam", -1, {}, {}, one)), "ਕਮ");
}

TEST_F(Ranking, SplitGroupsSortApartOnlyWithAPairRecord) {
  statistics_.add_word(pivot("ਸੀ"), 100);
  const std::vector<Bytes> list = {pivot("ਕਮ"), pivot("ਕਾਮ"), pivot("ਸੀ")};
  // No pair for any candidate: one group, the frequent word first.
  EXPECT_EQ(ranked(list, 1, pivot("ਉਹ"))[0], "ਸੀ");
  // With a pair record the first two sort apart from the third.
  statistics_.add_pair(pivot("ਉਹ"), pivot("ਕਾਮ"), 1);
  EXPECT_EQ(ranked(list, 1, pivot("ਉਹ")), (std::vector<std::string>{"ਕਾਮ", "ਕਮ", "ਸੀ"}));
}

// A split counted before duplicates were dropped can exceed the list; it
// is taken as the whole list and nothing is read beyond it.
TEST_F(Ranking, SplitBeyondTheListSortsTheWholeList) {
  statistics_.add_pair(pivot("ਉਹ"), pivot("ਸੀ"), 3);
  EXPECT_EQ(ranked({pivot("ਕਮ"), pivot("ਸੀ")}, 14, pivot("ਉਹ")), (std::vector<std::string>{"ਸੀ", "ਕਮ"}));
}

TEST_F(Ranking, KnownSpellingsWithMoreNuktaComeFirst) {
  const Bytes none = "cec", one = "\\ec", two = "\\e\\";  // PHA/FA KA PHA/FA
  set_known_words(lexicon_, {none, one, two});
  std::vector<Bytes> list = {none, two, one};
  CheckBindiWords(known_, list);
  EXPECT_EQ(list, (std::vector<Bytes>{two, one, none}));
  // An unknown nukta spelling stays behind.
  set_known_words(lexicon_, {none});
  list = {none, two};
  CheckBindiWords(known_, list);
  EXPECT_EQ(list, (std::vector<Bytes>{none, two}));
}

TEST_F(Ranking, SimilarIgnoresNuktaOnly) {
  EXPECT_TRUE(CheckSimilar("\\b", "cb"));
  EXPECT_TRUE(CheckSimilar(";ab", ";b"));
  EXPECT_FALSE(CheckSimilar("cb", "cbk"));
}

TEST_F(Ranking, TheRecentChoiceComesFirst) {
  statistics_.add_word(pivot("ਕੰਮ"), 100);
  recent_.add("KAM", pivot("ਕਾਮ"));
  EXPECT_EQ(ranked({pivot("ਕੰਮ"), pivot("ਕਮ"), pivot("ਕਾਮ")}).front(), "ਕੰਮ");  // another Roman word
  std::vector<Bytes> list = {pivot("ਕੰਮ"), pivot("ਕਮ"), pivot("ਕਾਮ")};
  StatAnalysis(context(), "kam", -1, {}, {}, list);
  EXPECT_EQ(utf8_all(list), (std::vector<std::string>{"ਕਾਮ", "ਕੰਮ", "ਕਮ"}));
}

TEST(RecentChoicesList, AWordChosenAgainTakesTheNewSpelling) {
  RecentChoices recent;
  recent.add("kam", pivot("ਕਾਮ"));
  recent.add("sat", pivot("ਸਤ"));
  recent.add("Kam", pivot("ਕਮ"));
  EXPECT_EQ(utf8(recent.find("kam").value_or("")), "ਕਮ");
  EXPECT_EQ(utf8(recent.find("sat").value_or("")), "ਸਤ");
  for (int i = 0; i < RecentChoices::kCapacity; ++i) recent.add("w" + std::to_string(i), pivot("ਕ"));
  EXPECT_FALSE(recent.find("kam"));  // the ring has moved past it
}

class Lookups : public ::testing::Test {
 protected:
  Lookups() {
    for (const char* w : {"ਸਤਿ", "ਸੱਤ", "ਸਤ", "ਸਾਤ", "ਸਾਥ", "ਸੱਟ", "ਸਟ"}) d_.punjabi.add("sat", pivot(w));
    d_.english.add("sat", pivot("ਸੈਟ"));
    d_.english.add("sat", pivot("ਸਤ"));
  }
  RomanDictionaries d_;
};

TEST_F(Lookups, FullEngineTakesFivePunjabiSpellingsThenEnglishOnesWithoutRepeats) {
  EXPECT_EQ(utf8_all(search_roman_word(d_, "sat")),
            (std::vector<std::string>{"ਸਤਿ", "ਸੱਤ", "ਸਤ", "ਸਾਤ", "ਸਾਥ", "ਸੈਟ"}));
}

TEST_F(Lookups, WindowLookupTakesUpToFourteen) {
  EXPECT_EQ(search_roman_word_window(d_, "sat").size(), 8u);
  for (int i = 0; i < 20; ++i) d_.punjabi.add("ghar", Bytes(1, static_cast<char>('a' + i)));
  EXPECT_EQ(search_roman_word_window(d_, "ghar").size(), 14u);
}

// The keys are lower case; a word typed with capitals still finds them.
TEST_F(Lookups, CapitalsAreLowered) {
  EXPECT_EQ(search_roman_word_window(d_, "SaT").size(), 8u);
  EXPECT_TRUE(search_roman_word(d_, "sot").empty());
}

}  // namespace
}  // namespace quilm::test
