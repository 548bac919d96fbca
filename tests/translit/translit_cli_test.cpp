// quilm-cli translit and samples, run as programs.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>

#include "tests/support/temp_dir.h"

namespace quilm::test {
namespace {

struct Outcome {
  int status;
  std::string out, err;
};

Outcome quilm_cli(const TempDir& dir, const std::string& arguments, const std::string& input) {
  dir.write("stdin", input);
  const std::string command = std::string(QUILM_CLI) + " " + arguments + " <" + (dir / "stdin").string() + " >" +
                              (dir / "stdout").string() + " 2>" + (dir / "stderr").string();
  const int raw = std::system(command.c_str());
  return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, dir.read("stdout"), dir.read("stderr")};
}

TEST(TranslitCli, GurmukhiLinesInEachOutputOut) {
  struct Case {
    const char* arguments;
    std::string input, output;
  };
  const Case cases[] = {
      // UTF-8 Gurmukhi: the Gurmukhi runs transliterated, everything else kept.
      {"translit --to roman", "\xE0\xA8\xAA\xE0\xA9\xB0\xE0\xA8\x9C\xE0\xA8\xBE\xE0\xA8\xAC, ok\n\n",
       "panjaab, ok\n\n"},
      // Glyph bytes of a font: AnmolLipi "pMjwb" and its danda.
      {"translit --to roman --font AnmolLipi", "pMjwb[\r\n", "panjaab.\n"},
      {"translit --to kruti --font AnmolLipi --hex", "70 4D 6A 77 62\n", "69 61 74 6B 63\n"},
      {"translit --to chanakya --font AnmolLipi --hex", "70 4D 6A 77 62\n", "C2 A2 C1 E6 D5\n"},
      {"translit --to kruti", "\xE0\xA8\xAA\xE0\xA9\xB0\xE0\xA8\x9C\xE0\xA8\xBE\xE0\xA8\xAC\n", "iatkc\n"},
      {"translit --to devanagari", "\xE0\xA8\xAA\xE0\xA8\xBE\n", "\xE0\xA4\xAA\xE0\xA4\xBE\n"},
  };
  TempDir dir;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.arguments);
    const Outcome run = quilm_cli(dir, c.arguments, c.input);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, c.output);
  }
}

TEST(TranslitCli, BadInputAndUsage) {
  TempDir dir;
  const Outcome not_utf8 = quilm_cli(dir, "translit --to roman", "ok\n\xFF\n");
  EXPECT_EQ(not_utf8.status, 1);
  EXPECT_EQ(not_utf8.out, "") << "nothing is written";
  EXPECT_EQ(not_utf8.err, "quilm-cli translit: line 2: not UTF-8 text\n");
  EXPECT_EQ(quilm_cli(dir, "translit --to latin", "").status, 2);
  EXPECT_EQ(quilm_cli(dir, "translit --to roman --font Arial", "").status, 2);
  EXPECT_EQ(quilm_cli(dir, "translit --help", "").status, 0);
}

TEST(SamplesCli, TheCheckNamesEveryCaptionTheRulesDoNotGive) {
  TempDir dir;
  const Outcome run = quilm_cli(dir, "samples --check", "");
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("the caption is \"vaailan\", the rules give \"vaayalan\""), std::string::npos) << run.err;
  EXPECT_NE(run.out.find("\xE0\xA8\x86\xE0\xA8\x87\xE0\xA8\x86\taayaa\taayaa\tw1.wav\n"), std::string::npos);
}

}  // namespace
}  // namespace quilm::test
