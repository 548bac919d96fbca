// quilm-cli find and replace, run as a user runs them.
#include <gtest/gtest.h>

#include "tests/support/program_run.h"
#include "tests/support/temp_dir.h"

namespace quilm {
namespace {

using test::run_program;

const std::string kCli = QUILM_CLI;

TEST(FindCli, ListsTheVariantsAndWhereTheyStand) {
  test::TempDir dir;
  dir.write("t.txt", "ਕਰ ਕਰਨਾ\nਹੋਰ ਕੱਰ\n");
  const test::ProgramRun run = run_program(kCli, {"find", "--similar", "--whole-words", "ਕਰ", (dir / "t.txt").string()});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out.substr(0, run.out.find('\n')), "variant\tਕਰ");
  EXPECT_NE(run.out.find("variant\tਕੱਰ\n"), Bytes::npos);
  const std::size_t matches = run.out.find("match");
  ASSERT_NE(matches, Bytes::npos);
  EXPECT_EQ(run.out.substr(matches), "match\t1\t1\tਕਰ\nmatch\t2\t5\tਕੱਰ\n");
}

TEST(FindCli, WithoutAFileListsOnlyTheVariants) {
  const test::ProgramRun run = run_program(kCli, {"find", "ਕਰ"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, "variant\tਕਰ\n");
}

TEST(ReplaceCli, WritesToStandardOutputWithTheCountOnStandardError) {
  test::TempDir dir;
  dir.write("t.txt", "ਕਰ ਕਰਨਾ\r\nਕੱਰ ਕਰ ਕਰ");
  const test::ProgramRun run =
      run_program(kCli, {"replace", "--find", "ਕਰ", "--replace", "ਘਰ", "--similar", "--whole-words", (dir / "t.txt").string()});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "ਘਰ ਕਰਨਾ\r\nਘਰ ਘਰ ਘਰ") << "the line breaks and the missing last one stay";
  EXPECT_EQ(run.err, "4 replaced\n");
  EXPECT_EQ(dir.read("t.txt"), "ਕਰ ਕਰਨਾ\r\nਕੱਰ ਕਰ ਕਰ") << "the file is left alone";
}

TEST(ReplaceCli, InPlaceRewritesTheFile) {
  test::TempDir dir;
  dir.write("t.txt", "word word word\n");
  const test::ProgramRun run =
      run_program(kCli, {"replace", "--english", "--find", "word", "--replace", "w", "--in-place", (dir / "t.txt").string()});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, "3 replaced\n");
  EXPECT_EQ(dir.read("t.txt"), "w w w\n");
}

TEST(ReplaceCli, LegacyFontBytesAreSearchedInTheirFont) {
  test::TempDir dir;
  // Pivot-font bytes: ਕਰ (`eo`) twice and with the look-alike of RA (`eq`).
  dir.write("t.txt", "eo eq eo\n");
  const test::ProgramRun found = run_program(kCli, {"find", "--font", "9", "--similar", "ਕਰ", (dir / "t.txt").string()});
  ASSERT_EQ(found.status, 0) << found.err;
  EXPECT_NE(found.out.find("match\t1\t1\teo\nmatch\t1\t4\teq\nmatch\t1\t7\teo\n"), Bytes::npos) << found.out;
  const test::ProgramRun run = run_program(
      kCli, {"replace", "--font", "GurmukhiLys 020", "--find", "eo", "--replace", "x", "--english", (dir / "t.txt").string()});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "eo eq eo\n") << "English searches only text that is not Gurmukhi";
}

TEST(ReplaceCli, RefusesBadInputAndUsage) {
  test::TempDir dir;
  dir.write("latin1.txt", "caf\xE9\n");
  dir.write("same.txt", "same\n");
  struct Case {
    std::vector<std::string> args;
    int status;
    const char* message;
  };
  const Case cases[] = {
      {{"replace", "--find", "a", "--replace", "b", (dir / "latin1.txt").string()}, 1, "not UTF-8"},
      {{"replace", "--find", "same", "--replace", "same", (dir / "same.txt").string()}, 1, "Find and replace text are same"},
      {{"replace", "--find", "a", "--replace", "b", (dir / "missing.txt").string()}, 1, "cannot read"},
      {{"replace", "--find", "a", "--replace", "b", "--in-place"}, 2, "--in-place needs a FILE"},
      {{"replace", "--replace", "b", (dir / "same.txt").string()}, 2, "--find"},
      {{"find", "--font", "999", "x", (dir / "same.txt").string()}, 1, "not a font index"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.message);
    const test::ProgramRun run = run_program(kCli, c.args);
    EXPECT_EQ(run.status, c.status);
    EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
    EXPECT_EQ(run.out, "");
  }
  EXPECT_EQ(dir.read("same.txt"), "same\n");
}

}  // namespace
}  // namespace quilm
