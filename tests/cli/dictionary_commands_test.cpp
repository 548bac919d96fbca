// quilm-cli dict, affix and admin-term on tables that `quilm-cli dict build`
// fills from small sources in the shipped form.
#include <gtest/gtest.h>

#include <filesystem>

#include "tests/cli/cli_cases.h"

namespace quilm::test {
namespace {

const std::string kSchemas = std::string(QUILM_SOURCE_DIR) + "/data/tables/";

// Fills the table `table` of `dir` from `source`.
void build_table(const TempDir& dir, const std::string& table, BytesView source) {
  dir.write(table + ".tsv", source);
  const ProgramRun run = run_cli({"dict", "build", table, kSchemas + table + ".schema", (dir / (table + ".tsv")).string(),
                                  (dir / table).string()});
  ASSERT_EQ(run.status, kOk) << run.err;
}

class DictionaryCommands : public ::testing::Test {
 protected:
  void SetUp() override {
    build_table(tables_, "pbi_to_eng.DBF", "ਕਰ\tv.\tdo\nਕਰਨਾ\tv.\tto do\nਮੁੰਡਾ\tn.\tboy\n");
    build_table(tables_, "wordroot1.DB", "ਕਰਦਾ\tਕਰਨਾ\nਮੁੰਡੇ\tਮੁੰਡਾ\n");
    build_table(tables_, "EngPbi.DBF", "Boy\tn.\tਮੁੰਡਾ\nCity\tn.\tਸ਼ਹਿਰ, ਨਗਰ\n");
    build_table(tables_, "adt", "Deputy Commissioner\tਡਿਪਟੀ ਕਮਿਸ਼ਨਰ\nOffice\tਦਫ਼ਤਰ\n");
    build_table(tables_, "wordlist1a.dbf", "ਕਰ\t1\tp\nਕਰਨਾ\t1\tp\nਘਰ\t1\tp\nਕਰਦਾ\t1\tp\n");
  }
  std::string data() const { return tables_.path().string(); }

  TempDir tables_;
};

TEST_F(DictionaryCommands, AnswerAsTheWindowsDo) {
  TempDir dir;
  const std::vector<CliCase> cases = {
      {.label = "a headword", .args = {"dict", "pa-en", "--data", data(), "ਮੁੰਡਾ"},
       .out = "ਮੁੰਡਾ\tfound\tਮੁੰਡਾ\tn.\tboy\n"},
      {.label = "a spelling variant", .args = {"dict", "pa-en", "--data", data(), "ਕੱਰ"},
       .out = "ਕੱਰ\tsimilar\tਕਰ\tv.\tdo\n"},
      {.label = "an inflected form", .args = {"dict", "pa-en", "--data", data(), "ਕਰਦਾ"},
       .out = "ਕਰਦਾ\troot\tਕਰਨਾ\tv.\tto do\n"},
      {.label = "no entry", .args = {"dict", "pa-en", "--data", data(), "ਘਰ"},
       .out = "ਘਰ\tnearest\tਮੁੰਡਾ\tn.\tboy\n"},
      {.label = "English", .args = {"dict", "en-pa", "--data", data(), "city"},
       .out = "city\tfound\tCity\tn.\t\u0A36ਹਿਰ, ਨਗਰ\n"},
      {.label = "prefix", .args = {"affix", "--data", data(), "--prefix", "ਕਰ"}, .out = "ਕਰ\nਕਰਦਾ\nਕਰਨਾ\n"},
      {.label = "suffix", .args = {"affix", "--data", data(), "--suffix", "ਰ"}, .out = "ਕਰ\nਘਰ\n"},
      {.label = "a suffix no word has", .args = {"affix", "--data", data(), "--suffix", "ਤ"}, .out = ""},
      {.label = "an exact term", .args = {"admin-term", "--data", data(), "office"},
       .out = "Office\tਦ\u0A5Eਤਰ\texact\n"},
      {.label = "a term begun", .args = {"admin-term", "--data", data(), "Deputy"},
       .out = "Deputy Commissioner\tਡਿਪਟੀ ਕਮਿ\u0A36ਨਰ\tnearest\n"},
  };
  expect_cli_cases(cases, dir);
}

TEST_F(DictionaryCommands, RefuseBadInputAndMissingTables) {
  TempDir dir;
  dir.write("bad.tsv", "ਕਰ\tv.\n");
  const std::vector<CliCase> cases = {
      {.label = "no tables in the folder", .args = {"dict", "pa-en", "--data", "{dir}", "ਕਰ"}, .status = kBadInput,
       .err = "pbi_to_eng.DBF"},
      {.label = "both sides", .args = {"affix", "--data", data(), "--prefix", "ਕ", "--suffix", "ਰ"},
       .status = kUsage, .err = "give one of --prefix and --suffix"},
      {.label = "neither side", .args = {"affix", "--data", data()}, .status = kUsage,
       .err = "give one of --prefix and --suffix"},
      {.label = "an unknown verb", .args = {"dict", "lookup", "ਕਰ"}, .status = kUsage, .err = "pa-en, en-pa, build, new, add or list"},
      {.label = "a short source line",
       .args = {"dict", "build", "pbi_to_eng.DBF", kSchemas + "pbi_to_eng.DBF.schema", "{dir}/bad.tsv", "{dir}/out"},
       .status = kBadInput, .err = "line 1: expected 3 tab-separated columns"},
      {.label = "a table without a recipe",
       .args = {"dict", "build", "ed.db", kSchemas + "ed.db.schema", "{dir}/bad.tsv", "{dir}/out"},
       .status = kBadInput, .err = "no dictionary table is called ed.db"},
  };
  expect_cli_cases(cases, dir);
}

}  // namespace
}  // namespace quilm::test
