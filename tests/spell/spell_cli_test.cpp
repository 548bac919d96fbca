// quilm-cli spell check and spell suggest on a small data folder: the
// contract other programs drive through a pipe.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "encoding/utf16.h"
#include "spell/word_list_build.h"
#include "spell/word_list_files.h"
#include "tests/support/temp_dir.h"

namespace quilm {
namespace {

std::string run_cli(const std::string& arguments, const std::string& input, int* status) {
  test::TempDir io;
  io.write("in", input);
  const std::string command = std::string(QUILM_CLI) + " " + arguments + " < " + (io / "in").string() + " > " +
                              (io / "out").string() + " 2>/dev/null";
  *status = WEXITSTATUS(std::system(command.c_str()));
  return io.read("out");
}

class SpellCli : public ::testing::Test {
 protected:
  SpellCli() {
    // ਪੰਜਾਬ, ਸ਼ੇਰ, ਘਰ, ਕਰਨਾ: the source form the data build reads.
    BuiltWordList built;
    EXPECT_TRUE(build_word_list("ਪੰਜਾਬ\t9\tt\nਸ਼ੇਰ\t5\tt\nਘਰ\t7\tt\nਕਰਨਾ\t3\tt\n", &built));
    data.write("WList.txt", format_main_word_list(built.words));
    data.write("Ignore.txt", "0\r\n");
    std::filesystem::create_directory(data / "Dict");
    data.write("Dict/Extra.dic", empty_additional_dictionary());
  }
  std::string spell(const std::string& verb, const std::string& input, int* status) {
    return run_cli("spell " + verb + " --data " + data.path().string(), input, status);
  }
  test::TempDir data;
};

TEST_F(SpellCli, SuggestWritesOneLinePerInputLine) {
  int status = -1;
  const std::string out = spell("suggest", "ਪੰਜਾਬ\nਪਜਾਬ\n\nਸੇਰ\nਸ\u0A3Cੇਰ\n", &status);
  EXPECT_EQ(status, 0);
  // Known words, in either nukta spelling, come back as they were given.
  EXPECT_EQ(out, "ਪੰਜਾਬ\nਪਜਾਬ\tਪੰਜਾਬ\n\nਸੇਰ\t\u0A36ੇਰ\nਸ\u0A3Cੇਰ\n");
}

TEST_F(SpellCli, DictionariesListsTheDicFilesAndMarksTheOneInUse) {
  data.write("Dict/Alpha.dic", empty_additional_dictionary());
  data.write("Dict/readme.txt", "x");
  int status = -1;
  EXPECT_EQ(spell("dictionaries", "", &status), "Alpha.dic\n* Extra.dic\n");
  EXPECT_EQ(status, 0);
  EXPECT_EQ(run_cli("spell dictionaries --dict Alpha.dic --data " + data.path().string(), "", &status), "* Alpha.dic\nExtra.dic\n");
}

TEST_F(SpellCli, CheckListsUnknownWordsOnceInOrderOfFirstAppearance) {
  int status = -1;
  const std::string out = spell("check", "ਘਰ ਪਜਾਬ, ਕਰਨਾ। ਘਰਰ ਪਜਾਬ ਸ਼ੇਰ 12\n", &status);
  EXPECT_EQ(status, 0);
  EXPECT_EQ(out, "ਪਜਾਬ\nਘਰਰ\n");
}

TEST_F(SpellCli, ADamagedWordListIsReportedAndNothingIsWritten) {
  data.write("WList.txt", "3\r\n");
  int status = -1;
  const std::string out = spell("check", "ਘਰ\n", &status);
  EXPECT_EQ(status, 1);
  EXPECT_EQ(out, "");
  EXPECT_EQ(data.read("WList.txt"), "3\r\n");
}

TEST_F(SpellCli, UsageErrors) {
  int status = -1;
  spell("suggest extra", "", &status);
  EXPECT_EQ(status, 2);
  spell("check --font NoSuchFont", "", &status);
  EXPECT_EQ(status, 2);
}

}  // namespace
}  // namespace quilm
