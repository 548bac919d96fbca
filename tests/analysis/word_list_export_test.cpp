// The comma-delimited word list: its three parts with their headers, CR LF
// lines, fields quoted only when they hold a comma, quote or line break;
// and a stored list read back, a missing table empty, a damaged one refused.
#include <gtest/gtest.h>

#include "analysis/frequency_analysis.h"
#include "analysis/result_tables.h"
#include "analysis/word_list_export.h"
#include "analysis/word_lists.h"
#include "common/file_io.h"
#include "tables/create_table_file.h"
#include "tables/schema_text.h"
#include "tests/support/temp_dir.h"

namespace quilm {
namespace {

namespace fs = std::filesystem;

TEST(WordListCsv, ThreePartsWithTheirHeadersInCrLfLines) {
  const std::vector<ResultRow> words = {{"kw", "k", 1, 2, 1, "66.666667"}, {"pMjwb", "p", 4, 1, 2, "33.333333"}};
  const std::vector<ResultRow> pairs = {{1, "pMjwb", "kw", "p", "k"}};
  const std::vector<ResultRow> triples = {{1, "kw", "pMjwb", "kw", "k", "p", "k"}};
  EXPECT_EQ(word_list_csv(words, pairs, triples),
            "Word,Frequency,Percentage Frequency\r\n"
            "kw,2,66.666667\r\n"
            "pMjwb,1,33.333333\r\n"
            "\r\n\r\n"
            "BIGRAM ANALYSIS\r\n---------------\r\nFirstWord,SecondWord,Count\r\n"
            "kw,pMjwb,1\r\n"
            "\r\n\r\n"
            "TRIGRAM ANALYSIS\r\n---------------\r\nFirstWord,SecondWord,ThirdWord,Count\r\n"
            "kw,pMjwb,kw,1\r\n");
}

TEST(WordListCsv, FieldsWithCommasQuotesOrBreaksAreQuoted) {
  struct Case {
    const char* word;
    const char* field;
  };
  const Case cases[] = {{"plain", "plain"}, {"a,b", "\"a,b\""}, {"s\"y", "\"s\"\"y\""}, {"x\ny", "\"x\ny\""}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.word);
    const Bytes csv = word_list_csv({{c.word, "", 1, 3, 1, "100.000000"}}, {}, {});
    EXPECT_NE(csv.find("\r\n" + Bytes(c.field) + ",3,100.000000\r\n"), Bytes::npos) << csv;
  }
}

class StoredListTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::create_directories(dir_ / "Dict");
    for (ResultTable table : kResultTables) {
      const std::string file = result_table_shape(table).file;
      TableSchema schema;
      ASSERT_TRUE(
          parse_table_schema(*read_file(fs::path(QUILM_DATA_DIR) / "tables/Dict" / (file + ".schema")), &schema).ok());
      ASSERT_TRUE(create_table_file(dir_ / "Dict" / file, schema).ok());
    }
    dir_.write("t.txt", "ਕਰ ਘਰ ਕਰ");
    AnalysisRequest request{{dir_ / "t.txt"}, {}, {}, "Unicode"};
    ASSERT_TRUE(run_frequency_analysis(request, converter_, outcome_).ok());
    const std::vector<ResultTable> all(kResultTables.begin(), kResultTables.end());
    ASSERT_TRUE(write_result_tables(outcome_.results, all, dir_ / "Dict", dir_.path()).ok());
    ASSERT_TRUE(WordListStore(dir_.path()).save("A", dir_.path(), false).ok());
  }
  test::TempDir dir_;
  ConversionContext context_;
  FontConverter converter_{context_};
  AnalysisOutcome outcome_;
};

TEST_F(StoredListTest, AStoredListReadsBackWithAMissingTableEmpty) {
  const fs::path list = WordListStore(dir_.path()).folder_of("A");
  fs::remove(list / "WordPos.db");
  ResultTableRows rows;
  ASSERT_TRUE(read_word_list_tables(list, rows).ok());
  EXPECT_EQ(rows[static_cast<std::size_t>(ResultTable::WordFreq)].size(), 2u);
  EXPECT_EQ(rows[static_cast<std::size_t>(ResultTable::Stats)].size(), kStatsRows);
  EXPECT_TRUE(rows[static_cast<std::size_t>(ResultTable::WordPos)].empty());
}

TEST(StoredListReading, TheLastStatisticsRowsTellHowTheWordsRead) {
  const FontRegistry fonts;
  struct Case {
    const char* language;
    const char* font;
    TextKind kind;
    bool english;
  };
  const Case cases[] = {{"Punjabi", "AnmolLipi", TextKind::Legacy, false},
                        {"Punjabi", "Unicode", TextKind::Utf8, false},
                        {"English", "Arial", TextKind::Utf8, true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.font);
    std::vector<ResultRow> stats(kStatsRows, ResultRow{"label", ""});
    stats[33][1] = c.language;
    stats[34][1] = c.font;
    const StoredListReading r = stored_list_reading(stats, fonts);
    EXPECT_EQ(r.reading.kind, c.kind);
    EXPECT_EQ(r.reading.english, c.english);
    EXPECT_EQ(r.font_name, c.font);
  }
  EXPECT_EQ(stored_list_reading({}, fonts).reading.kind, TextKind::Utf8) << "a list without statistics";
}

TEST_F(StoredListTest, ADamagedTableStopsTheLoadWithItsName) {
  const fs::path list = WordListStore(dir_.path()).folder_of("A");
  dir_.write("WordList/A/BiGram.db", "not a table");
  ResultTableRows rows;
  const Status status = read_word_list_tables(list, rows);
  EXPECT_FALSE(status.ok());
  EXPECT_NE(status.message().find("BiGram.db"), std::string::npos) << status.message();
}

}  // namespace
}  // namespace quilm
