// quilm-cli pad and roman-add as programs: pad scripts replayed into the
// Gurmukhi pane and the word table, and words added to the user's Roman
// words, which the pad then reads.
#include <gtest/gtest.h>

#include <sstream>

#include "tests/cli/cli_cases.h"

namespace quilm::test {
namespace {

const std::string kSchema = std::string(QUILM_DATA_DIR) + "/tables/RomanGur.dbf.schema";

// A data folder holding a RomanGur.dbf of a few words (the pad warns that
// the other Roman data is missing).
class CliPad : public ::testing::Test {
 protected:
  CliPad() {
    dir_.write("roman.txt", "ghar\tਘਰ\nsat\tਸਤਿ ਸੱਤ ਸਤ\n");
    const ProgramRun made = run_cli({"roman-table", kSchema, (dir_ / "roman.txt").string(),
                                     (dir_ / "RomanGur.dbf").string()});
    EXPECT_EQ(made.status, kOk) << made.err;
  }
  // Runs the pad on `script`: its output, and its messages other than the
  // warnings about the missing data.
  std::pair<Bytes, std::string> pad(std::vector<std::string> args, BytesView script) {
    args.insert(args.begin(), {"pad", "--data", dir_.path().string()});
    const ProgramRun run = run_cli(args, script);
    EXPECT_EQ(run.status, kOk) << run.err;
    std::string messages;
    std::istringstream lines(run.err);
    for (std::string line; std::getline(lines, line);)
      if (!line.starts_with("quilm-cli pad: warning: ")) messages += line + '\n';
    return {run.out, messages};
  }
  TempDir dir_;
};

TEST_F(CliPad, ScriptsGiveThePaneAndTheWordTable) {
  struct Case {
    const char* label;
    const char* script;
    const char* out;
    const char* messages = "";
  };
  const Case cases[] = {
      {"typed words", "type sat ghar.\n",
       "ਸਤਿ ਘਰ।\n--- words\n1\tsat\t \tਸਤਿ\tਸੱਤ ਸਤ\n2\tghar\t.\tਘਰ\t\ncurrent\t-\n"},
      {"a choice made twice, a word joined, separators escaped",
       "# comment\ntype sat\\tghar\nmove 1\nchoose 1\nchoose 2\nmove 4\nbackspace\ntype \\n\\\\\n",
       "ਸਤ\n\\ਘਰ\n--- words\n1\tsat\t\\n\\\\\tਸਤ\tਸਤਿ ਸੱਤ\n2\tghar\t\tਘਰ\t\ncurrent\t2\n"},
      {"a choice out of range is noted", "type ghar\nchoose 1\n",
       "ਘਰ\n--- words\n1\tghar\t\tਘਰ\t\ncurrent\t1\n", "quilm-cli pad: note: no alternative 1\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    const auto [out, messages] = pad({"--check"}, c.script);
    EXPECT_EQ(out, c.out);
    EXPECT_EQ(messages, c.messages);
  }
}

TEST_F(CliPad, BadScriptsAndDataWriteNothing) {
  const CliCase cases[] = {
      {.label = "an unknown event", .args = {"pad", "--data", "{dir}"}, .input = "type sat\njump 3\n",
       .status = kBadInput, .out = "", .err = "line 2: unknown event: \"jump 3\""},
      {.label = "no data", .args = {"pad", "--data", "{dir}/none"}, .input = "type sat\n", .status = kBadInput,
       .out = "", .err = "RomanGur.dbf does not exist"},
  };
  expect_cli_cases(cases, dir_);
}

TEST_F(CliPad, AddedWordsAreKeptAndReadByThePad) {
  const CliCase cases[] = {
      {.label = "a new word", .args = {"roman-add", "--data", "{dir}", "Kitaab", "ਕਿਤਾਬ"}, .out = "added\n"},
      {.label = "the same again", .args = {"roman-add", "--data", "{dir}", "kitaab", "ਕਿਤਾਬ"},
       .out = "already there\n"},
      {.label = "not a Roman word", .args = {"roman-add", "--data", "{dir}", "kit aab", "ਕਿਤਾਬ"},
       .status = kBadInput, .err = "the Roman word must be letters A-Z only"},
      {.label = "not a Gurmukhi word", .args = {"roman-add", "--data", "{dir}", "kitaab", "kitaab"},
       .status = kBadInput, .err = "the Gurmukhi word must be Gurmukhi letters only"},
      {.label = "one word only", .args = {"roman-add", "--data", "{dir}", "kitaab"}, .status = kUsage,
       .err = "GURMUKHI"},
  };
  expect_cli_cases(cases, dir_);
  EXPECT_EQ(dir_.read("RomanUser.txt"), "kitaab\tਕਿਤਾਬ\n");
  EXPECT_EQ(pad({}, "type kitaab").first, "ਕਿਤਾਬ\n--- words\n1\tkitaab\t\tਕਿਤਾਬ\t\ncurrent\t1\n");
}

}  // namespace
}  // namespace quilm::test
