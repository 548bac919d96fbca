// The result tables written from their templates: rows in the tables, and
// nothing touched when a template is damaged.
#include <algorithm>

#include <gtest/gtest.h>

#include "analysis/frequency_analysis.h"
#include "analysis/result_table_reader.h"
#include "analysis/result_tables.h"
#include "common/file_io.h"
#include "tables/create_table_file.h"
#include "tables/schema_text.h"
#include "tables/sqlite_table.h"
#include "tests/support/temp_dir.h"

namespace quilm {
namespace {

namespace fs = std::filesystem;

class ResultTablesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::create_directories(templates());
    for (ResultTable table : kResultTables) {
      const std::string file = result_table_shape(table).file;
      TableSchema schema;
      ASSERT_TRUE(parse_table_schema(*read_file(fs::path(QUILM_DATA_DIR) / "tables/Dict" / (file + ".schema")), &schema).ok());
      ASSERT_TRUE(create_table_file(templates() / file, schema).ok());
    }
    dir_.write("t.txt", "ਕਰ ਘਰ ਕਰ");
    AnalysisRequest request{{dir_ / "t.txt"}, {}, {}, "Unicode"};
    ASSERT_TRUE(run_frequency_analysis(request, converter_, outcome_).ok());
  }
  fs::path templates() const { return dir_ / "Dict"; }
  static long rows(const fs::path& path) {
    SqliteTable table(path.string());
    return table.Open().ok() ? table.RecordCount() : -1;
  }

  test::TempDir dir_;
  ConversionContext context_;
  FontConverter converter_{context_};
  AnalysisOutcome outcome_;
  std::vector<ResultTable> all_{kResultTables.begin(), kResultTables.end()};
};

TEST_F(ResultTablesTest, EveryTableReceivesItsRows) {
  ASSERT_TRUE(write_result_tables(outcome_.results, all_, templates(), dir_.path()).ok());
  EXPECT_EQ(rows(dir_ / "WordFreq.db"), 2);
  EXPECT_EQ(rows(dir_ / "BiGram.db"), 2);
  EXPECT_EQ(rows(dir_ / "TriGram.db"), 1);
  EXPECT_EQ(rows(dir_ / "WordPos.db"), 3);
  EXPECT_EQ(rows(dir_ / "Stats.db"), static_cast<long>(kStatsRows));
  EXPECT_EQ(rows(templates() / "WordFreq.db"), 0);  // the templates stay empty
  SqliteTable words((dir_ / "WordFreq.db").string());
  ASSERT_TRUE(words.Open().ok());
  EXPECT_EQ(words.FieldByName("Word").as_text(), "ਕਰ");
  EXPECT_EQ(words.FieldByName("Frequency").as_integer(), 2);
}

// The rows as texts, in order: a table hands out its rows in its primary
// order, which for the positions is not the order they were written in.
std::vector<std::vector<Bytes>> sorted_texts(const std::vector<ResultRow>& rows) {
  std::vector<std::vector<Bytes>> texts;
  for (const ResultRow& row : rows) {
    texts.emplace_back();
    for (const FieldValue& v : row) texts.back().push_back(v.as_text());
  }
  std::sort(texts.begin(), texts.end());
  return texts;
}

TEST_F(ResultTablesTest, TablesReadBackAsTheRowsTheyWereWrittenFrom) {
  ASSERT_TRUE(write_result_tables(outcome_.results, all_, templates(), dir_.path()).ok());
  for (ResultTable table : kResultTables) {
    SCOPED_TRACE(result_table_shape(table).file);
    std::vector<ResultRow> written, read;
    for_each_result_row(outcome_.results, table, [&](const ResultRow& row) { written.push_back(row); });
    ASSERT_TRUE(read_result_table(dir_ / result_table_shape(table).file, table, read).ok());
    EXPECT_EQ(sorted_texts(read), sorted_texts(written));
  }
  std::vector<ResultRow> words;
  ASSERT_TRUE(read_result_table(dir_ / "WordFreq.db", ResultTable::WordFreq, words).ok());
  ASSERT_EQ(words.size(), 2u);
  EXPECT_EQ(words[0][0].as_text(), "ਕਰ") << "words in the order of their keys";
}

TEST_F(ResultTablesTest, ReadingAMissingOrForeignTableGivesAMessageAndNoRows) {
  std::vector<ResultRow> rows{{1}};
  const Status missing = read_result_table(dir_ / "WordFreq.db", ResultTable::WordFreq, rows);
  EXPECT_FALSE(missing.ok());
  EXPECT_TRUE(rows.empty());
  ASSERT_TRUE(write_result_tables(outcome_.results, all_, templates(), dir_.path()).ok());
  const Status foreign = read_result_table(dir_ / "Stats.db", ResultTable::WordFreq, rows);
  EXPECT_FALSE(foreign.ok());
  EXPECT_NE(foreign.message().find("Stats.db"), std::string::npos) << foreign.message();
}

TEST_F(ResultTablesTest, ADamagedTemplateStopsBeforeAnyTableIsTouched) {
  ASSERT_TRUE(write_result_tables(outcome_.results, all_, templates(), dir_.path()).ok());
  const Bytes words_before = *read_file(dir_ / "WordFreq.db");
  dir_.write("Dict/TriGram.db", "not a table");
  const Status status = write_result_tables(outcome_.results, all_, templates(), dir_.path());
  EXPECT_FALSE(status.ok());
  EXPECT_NE(status.message().find("TriGram.db"), std::string::npos) << status.message();
  EXPECT_EQ(*read_file(dir_ / "WordFreq.db"), words_before);
  EXPECT_FALSE(fs::exists(dir_ / "WordFreq.db.building"));
}

}  // namespace
}  // namespace quilm
