// The result tables written from their templates: rows in the tables, and
// nothing touched when a template is damaged.
#include <gtest/gtest.h>

#include "analysis/frequency_analysis.h"
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
