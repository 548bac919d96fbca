// quilm-cli dict new|add|list: the additional dictionaries of a data folder.
#include <gtest/gtest.h>

#include "common/file_io.h"
#include "tests/cli/cli_cases.h"

namespace quilm::test {
namespace {

const Bytes kEmptyDictionary = [] {
  Bytes b;
  for (int i = 0; i < 21; ++i) b += "0\r\n";
  return b;
}();

TEST(UserDictionaryCommands, NewAddListInTurn) {
  TempDir dir;
  std::filesystem::create_directory(dir / "Dict");
  dir.write("Dict/old.dic", kEmptyDictionary);
  const CliCase cases[] = {
      {.label = "a new dictionary", .args = {"dict", "new", "--data", "{dir}", "mine"}, .out = ""},
      {.label = "never over an existing one", .args = {"dict", "new", "--data", "{dir}", "mine"},
       .status = kBadInput, .err = "Dictionary already existing: mine.dic"},
      {.label = "a name with folder parts", .args = {"dict", "new", "--data", "{dir}", "../out"},
       .status = kBadInput, .err = "Cannot create the Dictionary : Change Name"},
      {.label = "the dictionaries by name", .args = {"dict", "list", "--data", "{dir}"},
       .out = "mine.dic\nold.dic\n"},
      {.label = "words added",
       .args = {"dict", "add", "--data", "{dir}", "mine", "\u0A2A\u0A70\u0A1C\u0A3E\u0A2C", "\u0A15\u0A3F"},
       .out = "\u0A2A\u0A70\u0A1C\u0A3E\u0A2C\tadded\n\u0A15\u0A3F\tadded\n"},
      {.label = "a word already there", .args = {"dict", "add", "--data", "{dir}", "mine.dic", "\u0A15\u0A3F"},
       .out = "\u0A15\u0A3F\tpresent\n"},
      {.label = "all or none: a word too short stops the run",
       .args = {"dict", "add", "--data", "{dir}", "mine", "\u0A38\u0A3E", "\u0A15"},
       .status = kBadInput, .err = "nothing was added"},
      {.label = "the words by length", .args = {"dict", "list", "--data", "{dir}", "mine"},
       .out = "\u0A15\u0A3F\n\u0A2A\u0A70\u0A1C\u0A3E\u0A2C\n"},
      {.label = "a dictionary that is not there", .args = {"dict", "add", "--data", "{dir}", "none", "x"},
       .status = kBadInput, .err = "no dictionary none.dic"},
      {.label = "no word", .args = {"dict", "add", "--data", "{dir}", "mine"}, .status = kUsage},
  };
  expect_cli_cases(cases, dir);
  EXPECT_EQ(read_file(dir / "Dict/old.dic"), kEmptyDictionary);
}

}  // namespace
}  // namespace quilm::test
