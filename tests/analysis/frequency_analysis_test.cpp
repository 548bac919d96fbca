// The frequency analysis: counts against a count made here by hand, the
// words that merge, pairs and triples, positions, the large-analysis rule
// and statistics of a text without words.
#include <map>
#include <string>

#include <gtest/gtest.h>

#include "analysis/frequency_analysis.h"
#include "analysis/result_rows.h"
#include "common/file_io.h"
#include "tests/support/hex_text.h"
#include "tests/support/temp_dir.h"

namespace quilm {
namespace {

using test::hex_text::hex;

class FrequencyAnalysisTest : public ::testing::Test {
 protected:
  AnalysisOutcome analyse(const std::vector<Bytes>& texts, TextReading reading = {}, AnalysisThresholds t = {}) {
    AnalysisRequest request;
    for (std::size_t i = 0; i < texts.size(); ++i) {
      const std::string name = "text" + std::to_string(i) + ".txt";
      dir_.write(name, texts[i]);
      request.files.push_back(dir_ / name);
    }
    request.reading = reading;
    request.thresholds = t;
    AnalysisOutcome outcome;
    EXPECT_TRUE(run_frequency_analysis(request, converter_, outcome).ok());
    return outcome;
  }
  test::TempDir dir_;
  ConversionContext context_;
  FontConverter converter_{context_};
};

std::map<Bytes, std::int64_t> word_counts(const FrequencyResults& r) {
  std::map<Bytes, std::int64_t> counts;
  for (const WordCount& w : r.words) counts[w.word] = w.count;
  return counts;
}

TEST_F(FrequencyAnalysisTest, WordsPairsAndTriplesAsCountedByHand) {
  const FrequencyResults r = analyse({"ਕਰ ਘਰ ਕਰ. ਘਰ ਕਰ\nਜਲ - ਕਰ"}).results;
  EXPECT_EQ(r.total_words, 7);  // the lone hyphen is no word
  EXPECT_EQ(word_counts(r), (std::map<Bytes, std::int64_t>{{"ਕਰ", 4}, {"ਘਰ", 2}, {"ਜਲ", 1}}));
  ASSERT_EQ(r.words.size(), 3u);
  EXPECT_EQ(r.words[0].word, "ਕਰ");  // ਕ before ਘ before ਜ
  EXPECT_EQ(r.words[2].word, "ਜਲ");
  EXPECT_EQ(r.words[1].first_rank, 2);
  std::map<std::pair<Bytes, Bytes>, std::int64_t> pairs;
  for (const PairCount& p : r.pairs) pairs[{p.pword, p.word}] = p.count;
  EXPECT_EQ(pairs, (std::map<std::pair<Bytes, Bytes>, std::int64_t>{
                       {{"ਕਰ", "ਘਰ"}, 2}, {{"ਘਰ", "ਕਰ"}, 2}, {{"ਕਰ", "ਜਲ"}, 1}, {{"ਜਲ", "ਕਰ"}, 1}}));
  std::int64_t triples = 0;
  for (const TripleCount& t : r.triples) triples += t.count;
  EXPECT_EQ(triples, 5);  // every word from the third on ends one
}

TEST_F(FrequencyAnalysisTest, WordsOfOneKeyAreOneWordButPairsKeepTheirSpelling) {
  const FrequencyResults r = analyse({"ਘਰ-ਬਾਰ ਘਰਬਾਰ ਘਰਬਾਰ"}).results;
  ASSERT_EQ(r.words.size(), 1u);
  EXPECT_EQ(r.words[0].word, "ਘਰ-ਬਾਰ");
  EXPECT_EQ(r.words[0].count, 3);
  EXPECT_EQ(r.pairs.size(), 2u);
}

TEST_F(FrequencyAnalysisTest, PositionsOfASingleFileOnly) {
  const AnalysisOutcome one = analyse({"ਕਰ ਘਰ ਕਰ"});
  ASSERT_TRUE(one.positions_usable);
  ASSERT_EQ(one.results.positions.size(), 3u);
  EXPECT_EQ(one.results.positions[2].pos, 14u);  // three bytes a letter, one a blank
  EXPECT_EQ(one.results.positions[2].windex, 2);
  EXPECT_EQ(one.analysed_text.substr(14, 6), "ਕਰ");

  const AnalysisOutcome two = analyse({"ਕਰ", "ਘਰ ਕਰ"});
  EXPECT_FALSE(two.positions_usable);
  EXPECT_TRUE(two.results.positions.empty());
  EXPECT_EQ(two.results.pairs.size(), 2u);  // the words before carry over into the next file

  const AnalysisOutcome iscii = analyse({"\xB3\xDA"}, {TextKind::Iscii, 51, false});
  EXPECT_FALSE(iscii.positions_usable);
  EXPECT_EQ(iscii.results.total_words, 1);
}

TEST_F(FrequencyAnalysisTest, LargeAnalysesDropPairsAndTriplesSeenOnce) {
  Bytes text;
  for (int i = 0; i < 50001; ++i) text += "ਕ ਖ ";  // the pairs ਕ ਖ and ਖ ਕ, seen 50001 and 50000 times
  text += "ਘ ਙ";                                 // ਖ ਘ, ਘ ਙ seen once
  const FrequencyResults r = analyse({text}).results;
  ASSERT_GT(r.total_words, kLargeAnalysisWords);
  for (const PairCount& p : r.pairs) EXPECT_GT(p.count, 1) << p.pword << " " << p.word;
  for (const TripleCount& t : r.triples) EXPECT_GT(t.count, 1);
  EXPECT_EQ(r.pairs.size(), 2u);

  const FrequencyResults small = analyse({"ਕ ਖ ਘ"}).results;
  EXPECT_EQ(small.pairs.size(), 2u);  // below the limit, pairs seen once stay
  EXPECT_EQ(analyse({"ਕ ਖ ਕ ਖ ਘ"}, {}, {1, 0}).results.pairs.size(), 1u);
}

TEST_F(FrequencyAnalysisTest, StatisticsOfATextWithoutWordsAreZero) {
  const FrequencyResults r = analyse({"- -"}).results;
  EXPECT_TRUE(r.words.empty());
  EXPECT_EQ(r.stats[1], "0");
  EXPECT_EQ(r.stats[3], "0.000000");
  EXPECT_EQ(r.stats[4], "0.000000");
  EXPECT_EQ(r.stats[7], "0  (0.000000%)");
}

TEST_F(FrequencyAnalysisTest, ALoneNuktaHasLengthZeroAndItsOwnCounter) {
  const TextReading pivot{TextKind::Legacy, 9, false};
  const FrequencyResults r = analyse({"a ek"}, pivot).results;
  ASSERT_EQ(r.words.size(), 2u);
  EXPECT_EQ(r.lengths[0], 1);
  EXPECT_EQ(r.lengths[2], 1);
  EXPECT_EQ(r.stats[35], "1  (50.000000%)");
  EXPECT_EQ(r.stats[4], "1.000000");
}

TEST_F(FrequencyAnalysisTest, GlyphsOfOneLetterShareACharacterRow) {
  // 0x46 and 0xB5 are both SHA in the pivot encoding; hyphen and nukta keep rows of their own.
  const TextReading pivot{TextKind::Legacy, 9, false};
  const FrequencyResults r = analyse({"F \xB5 a-e"}, pivot).results;
  std::map<std::string, std::int64_t> by_key;
  for (const CharacterCount& c : r.characters) by_key[hex(c.key) + "/" + (c.key.empty() ? hex(c.character) : "")] = c.frequency;
  EXPECT_EQ(by_key["9C/"], 2);
  EXPECT_EQ(by_key["/2D"], 1);
  EXPECT_EQ(by_key["/61"], 1);
}

TEST_F(FrequencyAnalysisTest, RowsFollowTheTablesFields) {
  const FrequencyResults r = analyse({"ਕਰ ਘਰ"}).results;
  for (ResultTable table : kResultTables) {
    SCOPED_TRACE(result_table_shape(table).file);
    for_each_result_row(r, table, [&](const ResultRow& row) {
      EXPECT_EQ(row.size(), result_table_shape(table).fields.size());
    });
  }
}

}  // namespace
}  // namespace quilm
