// quilm-cli convert-doc and convert-file, run as programs: files written,
// exit status and the one-line messages on stderr.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>

#include "tests/convert/font_document.h"
#include "tests/support/temp_dir.h"

namespace quilm::test {
namespace {

struct Outcome {
  int status;
  std::string out, err;
};

Outcome quilm_cli(const TempDir& dir, const std::string& arguments) {
  const std::string command = std::string(QUILM_CLI) + " " + arguments + " >" + (dir / "stdout").string() +
                              " 2>" + (dir / "stderr").string();
  const int raw = std::system(command.c_str());
  return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, dir.read("stdout"), dir.read("stderr")};
}

TEST(FontConvertCli, ConvertDocConvertsEachRunFromItsFont) {
  TempDir dir;
  // Latin text, an AnmolLipi word with its danda and a paragraph break, a Satluj word.
  ASSERT_TRUE(write_rtf(dir / "in.rtf", {{"48 69 20", "Times New Roman"}, {"68 59 5B 0D", "AnmolLipi"},
                                         {"EA B3 DC C5 EC", "Satluj"}}));
  const std::string in = (dir / "in.rtf").string(), out = (dir / "out.rtf").string();
  const Outcome run = quilm_cli(dir, "convert-doc --from auto --to Quilm2010 " + in + " " + out);
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.err, "");  // no progress line when stderr is not a terminal
  EXPECT_EQ(describe_rtf(dir / "out.rtf"),
            "Times New Roman: 48 69 20 | Quilm2010: 68 59 2E | AnmolLipi: 0D | Quilm2010: 70 4D 6A 77 62");

  const Outcome unicode =
      quilm_cli(dir, "convert-doc --from auto --to unicode " + in + " " + (dir / "u.txt").string());
  EXPECT_EQ(unicode.status, 0) << unicode.err;
  EXPECT_EQ(dir.read("u.txt").substr(0, 2), "\xFF\xFE");
}

TEST(FontConvertCli, ConvertFileAndExitStatus) {
  TempDir dir;
  dir.write("in.txt", hex("68 59 5B 0D 0A 41"));
  const std::string in = (dir / "in.txt").string(), out = (dir / "out.txt").string();
  struct Case {
    const char* label;
    std::string arguments;
    int status;
  };
  const Case cases[] = {
      {"same font copies the text", "convert-file --from AnmolLipi --to 2 " + in + " " + out, 0},
      {"unsupported destination", "convert-file --from auto --to AnmolOutilined " + in + " " + out, 1},
      {"missing input", "convert-file --from auto --to Satluj " + (dir / "none.txt").string() + " " + out, 1},
      {"missing input of convert-doc", "convert-doc --from auto --to Satluj " + (dir / "none.rtf").string() + " " + out, 1},
      {"no output file named", "convert-file --from auto --to Satluj " + in, 2},
      {"font index without a font", "convert-doc --from 30 --to Satluj " + in + " " + out, 2},
      {"unknown option", "convert-doc --fast --from auto --to Satluj " + in + " " + out, 2},
      {"help", "convert-file --help", 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    std::filesystem::remove(dir / "out.txt");
    const Outcome run = quilm_cli(dir, c.arguments);
    EXPECT_EQ(run.status, c.status) << run.err;
    if (c.status == 1) {
      EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
      EXPECT_FALSE(std::filesystem::exists(dir / "out.txt"));
    }
  }
  ASSERT_EQ(quilm_cli(dir, "convert-file --from AnmolLipi --to 2 " + in + " " + out).status, 0);
  EXPECT_EQ(to_hex(dir.read("out.txt")), "68 59 5B 0D 0A 41");
  EXPECT_NE(quilm_cli(dir, "convert-doc --help").out.find("usage: quilm-cli convert-doc"), std::string::npos);
}

}  // namespace
}  // namespace quilm::test
