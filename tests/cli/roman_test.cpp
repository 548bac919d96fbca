// quilm-cli roman and roman-table as programs: Roman-letter Punjabi into
// Gurmukhi as text and word by word, and the tables of Roman spellings.
#include <gtest/gtest.h>

#include "tests/cli/cli_cases.h"

namespace quilm::test {
namespace {

const std::string kSchema = std::string(QUILM_DATA_DIR) + "/tables/RomanGur.dbf.schema";

// A data folder holding a RomanGur.dbf of a few words.
class CliRoman : public ::testing::Test {
 protected:
  CliRoman() {
    dir_.write("roman.txt", "ghar\tਘਰ\nsat\tਸਤਿ ਸੱਤ ਸਤ\n");
    const ProgramRun made = run_cli({"roman-table", kSchema, (dir_ / "roman.txt").string(),
                                     (dir_ / "RomanGur.dbf").string()});
    EXPECT_EQ(made.status, kOk) << made.err;
  }
  ProgramRun roman(std::vector<std::string> args, BytesView input) {
    args.insert(args.begin(), {"roman", "--data", dir_.path().string()});
    return run_cli(args, input);
  }
  TempDir dir_;
};

TEST_F(CliRoman, WordsGiveOneLinePerLineWithTheCandidatesAfterTabs) {
  const ProgramRun run = roman({"--words"}, "sat\nGhar\n\nkitthe\r\nsat ghar\n");
  EXPECT_EQ(run.status, kOk);
  EXPECT_EQ(run.out, "ਸਤਿ\tਸੱਤ\tਸਤ\nਘਰ\n\nਕਿੱਥੇ\nਸਤਿ ਘਰ\n");
}

TEST_F(CliRoman, TextKeepsSeparatorsAndMakesFullStopsDandas) {
  const ProgramRun run = roman({}, "sat, ghar.\nghar");
  EXPECT_EQ(run.status, kOk);
  EXPECT_EQ(run.out, "ਸਤਿ, ਘਰ।\nਘਰ\n");
}

TEST_F(CliRoman, ExplainNamesEachCandidatesOrigin) {
  const ProgramRun run = roman({"--explain"}, "ghar kitthe\n");
  EXPECT_EQ(run.out, "ghar\tਘਰ dictionary 0\nkitthe\tਕਿੱਥੇ rules 0\n");
}

TEST_F(CliRoman, FontBytesOnRequest) {
  EXPECT_EQ(roman({"--font", "AnmolLipi"}, "ghar\n").out, "Gr\n");
}

TEST(CliRomanRules, RulesNeedNoData) {
  TempDir dir;
  const CliCase cases[] = {
      {.label = "full engine", .args = {"roman", "--rules"}, .input = "kitthe gaya\n", .out = "ਕਿੱਥੇ ਗਾਇਆ\n"},
      {.label = "simple engine", .args = {"roman", "--rules", "--simple"}, .input = "harpinderjit\n",
       .out = "ਹਰਪਿੰਦਰਜੀਤ\n"},
      {.label = "--simple alone", .args = {"roman", "--simple"}, .status = kUsage,
       .err = "--simple goes with --rules"},
      {.label = "no dictionary in the data folder", .args = {"roman", "--data", "{dir}"}, .input = "ghar\n",
       .status = kBadInput, .out = "", .err = "RomanGur.dbf does not exist"},
  };
  expect_cli_cases(cases, dir);
}

TEST(CliRomanTable, RefusesAMalformedSource) {
  TempDir dir;
  dir.write("bad.txt", "ghar ਘਰ\n");
  dir.write("upper.txt", "gh\xC3\xA4r\tਘਰ\n");
  const CliCase cases[] = {
      {.label = "no tab", .args = {"roman-table", kSchema, "{dir}/bad.txt", "{dir}/out"}, .status = kBadInput,
       .err = "line 1: expected ROMAN<TAB>GURMUKHI"},
      {.label = "not ASCII", .args = {"roman-table", kSchema, "{dir}/upper.txt", "{dir}/out"},
       .status = kBadInput, .err = "must be printable ASCII"},
      {.label = "a missing file", .args = {"roman-table", kSchema}, .status = kUsage, .err = "OUT"},
  };
  expect_cli_cases(cases, dir);
  EXPECT_FALSE(std::filesystem::exists(dir / "out"));
}

}  // namespace
}  // namespace quilm::test
