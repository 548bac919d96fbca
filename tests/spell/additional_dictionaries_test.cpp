// The choice of the additional dictionary: the Dict/ folder's list, and a
// switch that keeps the words added in this run.
#include <gtest/gtest.h>

#include "spell/additional_dictionaries.h"
#include "spell/word_list_files.h"
#include "tests/support/temp_dir.h"

namespace quilm {
namespace {

class DictionaryChoice : public ::testing::Test {
 protected:
  DictionaryChoice() {
    std::filesystem::create_directory(dir / "Dict");
    for (const char* name : {"Dict/b.dic", "Dict/a.dic", "Dict/notes.txt"}) dir.write(name, empty_additional_dictionary());
    EXPECT_TRUE(lexicon.LoadExtraDictionary(dir / "Dict/a.dic"));
  }
  test::TempDir dir;
  SpellLexicon lexicon;
  std::string setting = "a.dic";
  Status problem = Status::Ok();
};

TEST_F(DictionaryChoice, ListsTheDicFilesByName) {
  EXPECT_EQ(additional_dictionary_names(dir.path()), (std::vector<std::string>{"a.dic", "b.dic"}));
  EXPECT_TRUE(additional_dictionary_names(dir / "missing").empty());
}

TEST_F(DictionaryChoice, TheCurrentOneOrNoneChangesNothing) {
  ASSERT_EQ(lexicon.add_punjabi_word("ab"), AddResult::Added);
  for (const std::string chosen : {"a.dic", ""}) {
    SCOPED_TRACE(chosen);
    EXPECT_EQ(choose_additional_dictionary(lexicon, dir.path(), setting, chosen, &problem), DictionarySwitch::Unchanged);
    EXPECT_EQ(setting, "a.dic");
    EXPECT_TRUE(lexicon.Lookup_dictionaries("ab", LookupMode::Punjabi));
  }
}

TEST_F(DictionaryChoice, AnotherOneIsReadAndTheWordsAddedToTheFirstAreKept) {
  ASSERT_EQ(lexicon.add_punjabi_word("ab"), AddResult::Added);
  EXPECT_EQ(choose_additional_dictionary(lexicon, dir.path(), setting, "b.dic", &problem), DictionarySwitch::Switched);
  EXPECT_TRUE(problem);
  EXPECT_EQ(setting, "b.dic");
  EXPECT_FALSE(lexicon.Lookup_dictionaries("ab", LookupMode::Punjabi));
  EXPECT_EQ(choose_additional_dictionary(lexicon, dir.path(), setting, "a.dic", &problem), DictionarySwitch::Switched);
  EXPECT_TRUE(lexicon.Lookup_dictionaries("ab", LookupMode::Punjabi));  // written back at the switch
}

TEST_F(DictionaryChoice, NoSwitchWhenTheFirstCannotBeWrittenBack) {
  // The dictionary in use lives where no file can be written.
  dir.write("plain-file", "x");
  lexicon.set_additional_dictionary(lexicon.additional_dictionary(), dir / "plain-file" / "a.dic", true);
  ASSERT_EQ(lexicon.add_punjabi_word("ab"), AddResult::Added);
  EXPECT_EQ(choose_additional_dictionary(lexicon, dir.path(), setting, "b.dic", &problem), DictionarySwitch::Refused);
  EXPECT_FALSE(problem);
  EXPECT_EQ(setting, "a.dic");
  EXPECT_TRUE(lexicon.Lookup_dictionaries("ab", LookupMode::Punjabi));
}

TEST_F(DictionaryChoice, ADamagedChoiceIsReportedAndNeverWrittenOver) {
  const Bytes damaged = "1\r\n5\r\n";
  dir.write("Dict/b.dic", damaged);
  EXPECT_EQ(choose_additional_dictionary(lexicon, dir.path(), setting, "b.dic", &problem), DictionarySwitch::Switched);
  EXPECT_EQ(problem.message().rfind("Problem in additional dictionary", 0), 0u) << problem.message();
  EXPECT_FALSE(lexicon.save_additional_dictionary());
  EXPECT_EQ(dir.read("Dict/b.dic"), damaged);
}

}  // namespace
}  // namespace quilm
