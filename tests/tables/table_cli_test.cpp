// quilm-cli table, run as a program: what it prints and the exit status.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>

#include "tests/tables/table_maker.h"
#include "tests/tables/word_table.h"
#include "tests/support/temp_dir.h"

namespace quilm::test {
namespace {

struct CliRun {
  int status;
  std::string out;
  std::string err;
};

CliRun run_cli(const TempDir& dir, const std::string& arguments) {
  const std::string command =
      std::string(QUILM_CLI) + " table " + arguments + " 2>" + (dir / "stderr").string();
  CliRun run;
  FILE* pipe = ::popen(command.c_str(), "r");
  char buffer[4096];
  std::size_t n;
  while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) run.out.append(buffer, n);
  const int raw = ::pclose(pipe);
  run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  run.err = dir.read("stderr");
  return run;
}

TEST(TableCli, DumpFindAndTheirExitStatus) {
  TempDir dir;
  make_table(dir / "Words.db", kWordSchema, word_rows());
  dir.write("bad.schema", "field Word txt\n");
  const std::string words = (dir / "Words.db").string();
  struct Case {
    const char* label;
    std::string arguments;
    int status;
    std::string out;
  };
  const Case cases[] = {
      {"dump in a descending index, hex", "dump " + words + " --index RF --hex",
       0, "6B 61\t30\t2\n67 61\t20\t2\nFF 01\t20\t2\n6B 68 61\t10\t3\n80\t10\t1\n"},
      {"dump by fields with a header", "dump " + words + " --fields 'Length;Word' --header",
       0, "Word\tFrequency\tLength\n\x80\t10\t1\nga\t20\t2\nka\t30\t2\n\xFF\x01\t20\t2\nkha\t10\t3\n"},
      {"find a key", "find " + words + " kha", 0, "kha\t10\t3\n"},
      {"a prefix is not a key", "find " + words + " kh", 1, ""},
      {"nearest with a hex key", "find " + words + " --nearest --hex 81", 0, "FF 01\t20\t2\n"},
      {"two-field key", "find " + words + " --index LW 2 ka", 0, "ka\t30\t2\n"},
      {"no number for a number field", "find " + words + " --index F many", 1, ""},
      {"unknown index", "find " + words + " --index Total x", 1, ""},
      {"missing table file", "dump " + (dir / "none.db").string(), 1, ""},
      {"faulty schema", "create " + (dir / "bad.schema").string() + " " + (dir / "bad.db").string(), 1, ""},
      {"no table file named", "dump", 2, ""},
      {"unknown verb", "copy " + words, 2, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    const CliRun run = run_cli(dir, c.arguments);
    EXPECT_EQ(run.status, c.status) << run.err;
    EXPECT_EQ(run.out, c.out);
    if (c.status == 1) {
      EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
    }
  }
  EXPECT_FALSE(std::filesystem::exists(dir / "bad.db"));
}

TEST(TableCli, CreatesATableFileFromItsSchema) {
  TempDir dir;
  dir.write("T.schema", "field Word text\nfield Count integer\nindex C Count desc\n");
  const std::string table = (dir / "T.db").string();
  ASSERT_EQ(run_cli(dir, "create " + (dir / "T.schema").string() + " " + table).status, 0);
  const CliRun schema = run_cli(dir, "schema " + table);
  EXPECT_EQ(schema.status, 0);
  EXPECT_EQ(schema.out, "field Word text\nfield Count integer\nindex C Count desc\n");
  EXPECT_EQ(run_cli(dir, "dump " + table + " --index C").out, "");
  EXPECT_EQ(run_cli(dir, "--help").status, 0);
}

}  // namespace
}  // namespace quilm::test
