// quilm-cli sort and sort-key, run as programs.
#include <gtest/gtest.h>

#include <algorithm>

#include "tests/support/cli_run.h"

namespace quilm::test {
namespace {

ProgramRun cli(const TempDir& dir, const std::string& arguments, BytesView input = {}) {
  return run_program(dir, QUILM_CLI, arguments, input);
}

TEST(SortCli, LinesInGurmukhiOrder) {
  TempDir dir;
  struct Case {
    const char* label;
    const char* arguments;
    const char* input;
    const char* output;
  };
  const Case cases[] = {
      {"alphabet", "sort", "ਕ\nਹ\nਸ\nੲ\nਅ\nੳ\nਖ\n", "ੳ\nਅ\nੲ\nਸ\nਹ\nਕ\nਖ\n"},
      {"vowel signs", "sort", "ਕੌ\nਕੋ\nਕੈ\nਕੇ\nਕੂ\nਕੁ\nਕੀ\nਕਿ\nਕਾ\nਕ", "ਕ\nਕਾ\nਕਿ\nਕੀ\nਕੁ\nਕੂ\nਕੇ\nਕੈ\nਕੋ\nਕੌ\n"},
      {"digits", "sort", "੧੦\n੯\n੧\n੦\n", "੦\n੧\n੧੦\n੯\n"},
      {"reverse", "sort --reverse", "ਕ\nਅ\nਖ\n", "ਖ\nਕ\nਅ\n"},
      {"unique", "sort --unique", "ਕ\nਅ\nਕ\n", "ਅ\nਕ\n"},
      {"CR LF kept", "sort", "ਖ\r\nਕ\r\n", "ਕ\r\nਖ\r\n"},
      {"legacy font", "sort --font AnmolLipi", "Kw\nkw\n", "kw\nKw\n"},
      {"empty input", "sort", "", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    const ProgramRun run = cli(dir, c.arguments, c.input);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, c.output);
  }
}

TEST(SortCli, SortOfAFileLeavesIt) {
  TempDir dir;
  dir.write("words.txt", "ਖ\nਕ\n");
  const ProgramRun run = cli(dir, "sort " + (dir / "words.txt").string());
  EXPECT_EQ(run.out, "ਕ\nਖ\n");
  EXPECT_EQ(dir.read("words.txt"), "ਖ\nਕ\n");
}

TEST(SortCli, KeysInHexadecimal) {
  TempDir dir;
  const ProgramRun run = cli(dir, "sort-key", "ਕ\nਕਾਂ\n\nਿਕ\n");
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "9E\n9E C4 82\n\n9E C8\n");
  EXPECT_EQ(cli(dir, "sort-key --font 9", "fk\n").out, "C4 C8\n");
}

TEST(SortCli, TableRowsByColumns) {
  TempDir dir;
  struct Case {
    const char* label;
    const char* arguments;
    const char* input;
    const char* output;
  };
  const Case cases[] = {
      {"Gurmukhi column under a header", "sort-table --by 2 --header", "n\tword\n1\tਖ\n2\tਕ\n3\tਅ", "n\tword\n3\tਅ\n2\tਕ\n1\tਖ\n"},
      {"numbers descending, nan kept", "sort-table --by 1:number:desc", "3\nnan\n10\n", "10\n3\nnan\n"},
      {"second key", "sort-table --by 1 --then 2:number", "b\t2\na\t9\nb\t1\n", "a\t9\nb\t1\nb\t2\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    const ProgramRun run = cli(dir, c.arguments, c.input);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, c.output);
  }
  const ProgramRun refused = cli(dir, "sort-table --by 1 --header", "h\n1\n");
  EXPECT_EQ(refused.status, 1);
  EXPECT_EQ(refused.err, "quilm-cli sort-table: ADD MORE ROWS FOR SORTING\n");
}

TEST(SortCli, BadInputAndUsage) {
  TempDir dir;
  struct Case {
    const char* label;
    std::string arguments;
    const char* input;
    int status;
  };
  const Case cases[] = {
      {"not UTF-8", "sort", "\xFF\n", 1},
      {"missing file", "sort " + (dir / "none.txt").string(), "", 1},
      {"no such font index", "sort-key --font 999", "", 1},
      {"unknown option", "sort --fast", "", 2},
      {"help", "sort --help", "", 0},
      {"help of sort-key", "sort-key --help", "", 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    const ProgramRun run = cli(dir, c.arguments, c.input);
    EXPECT_EQ(run.status, c.status);
    if (c.status == 1) {
      EXPECT_EQ(run.out, "");
      EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
    }
  }
}

}  // namespace
}  // namespace quilm::test
