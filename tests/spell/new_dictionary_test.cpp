// New dictionaries: safe names, never over an existing file, and made
// current without losing the words added to the one in use.
#include <gtest/gtest.h>

#include "common/file_io.h"
#include "spell/new_dictionary.h"
#include "spell/word_list_files.h"
#include "tests/support/temp_dir.h"

namespace quilm {
namespace {

TEST(NewDictionaryName, OneFileNameOfSafeCharacters) {
  const std::pair<const char*, bool> cases[] = {
      {"mine", true},          {"My words 2", true},   {"\xE0\xA8\xAE\xE0\xA9\x87", true},
      {"", false},             {"../escape", false},   {"a/b", false},
      {"a\\b", false},         {".hidden", false},     {"..", false},
      {"tab\there", false},    {"c:name", false},      {" leading", false},
  };
  for (const auto& [name, valid] : cases) {
    SCOPED_TRACE(name);
    EXPECT_EQ(valid_dictionary_name(name), valid);
  }
  EXPECT_FALSE(valid_dictionary_name(std::string(65, 'a')));
}

class NewDictionaryTest : public ::testing::Test {
 protected:
  NewDictionaryTest() {
    std::filesystem::create_directory(dir / "Dict");
    dir.write("Dict/a.dic", empty_additional_dictionary());
    EXPECT_TRUE(lexicon.LoadExtraDictionary(dir / "Dict/a.dic"));
  }
  test::TempDir dir;
  SpellLexicon lexicon;
  std::string setting = "a.dic";
  Status problem = Status::Ok();
};

TEST_F(NewDictionaryTest, CreatesTwentyOneZeroLines) {
  EXPECT_EQ(create_dictionary(dir.path(), "fresh", &problem), NewDictionary::Created);
  EXPECT_EQ(read_file(dir / "Dict/fresh.dic"), empty_additional_dictionary());
  EXPECT_EQ(setting, "a.dic");  // not made current unless asked
}

TEST_F(NewDictionaryTest, NeverReplacesAnExistingDictionary) {
  dir.write("Dict/kept.dic", "not a dictionary");
  EXPECT_TRUE(dictionary_exists(dir.path(), "kept"));
  EXPECT_EQ(create_dictionary(dir.path(), "kept", &problem), NewDictionary::Exists);
  EXPECT_EQ(read_file(dir / "Dict/kept.dic"), Bytes("not a dictionary"));
}

TEST_F(NewDictionaryTest, ANameWithFolderPartsCreatesNothing) {
  EXPECT_EQ(create_dictionary(dir.path(), "../outside", &problem), NewDictionary::CannotCreate);
  EXPECT_FALSE(problem.ok());
  EXPECT_FALSE(std::filesystem::exists(dir / "outside.dic"));
}

TEST_F(NewDictionaryTest, MadeCurrentAfterTheWordsOfTheOldOneAreSaved) {
  ASSERT_EQ(lexicon.add_punjabi_word("ab"), AddResult::Added);
  ASSERT_EQ(create_dictionary(dir.path(), "fresh", &problem), NewDictionary::Created);
  ASSERT_TRUE(make_new_dictionary_current(lexicon, dir.path(), setting, "fresh"));
  EXPECT_EQ(setting, "fresh.dic");
  EXPECT_FALSE(lexicon.Lookup_dictionaries("ab", LookupMode::Punjabi));
  SpellLexicon reread;
  ASSERT_TRUE(reread.LoadExtraDictionary(dir / "Dict/a.dic"));
  EXPECT_TRUE(reread.Lookup_dictionaries("ab", LookupMode::Punjabi));
  // A new dictionary's room: 49 words of length 2, 149 of 3, 9 of 21.
  for (const auto& [length, room] : {std::pair{2, 49}, std::pair{3, 149}, std::pair{21, 9}}) {
    SCOPED_TRACE(length);
    EXPECT_EQ(lexicon.additional_dictionary().capacity(length), static_cast<std::size_t>(room + 1));
  }
}

TEST_F(NewDictionaryTest, AnOldDictionaryThatCannotBeSavedKeepsItsPlace) {
  ASSERT_EQ(lexicon.add_punjabi_word("ab"), AddResult::Added);
  std::filesystem::remove_all(dir / "Dict");
  EXPECT_FALSE(make_new_dictionary_current(lexicon, dir.path(), setting, "fresh"));
  EXPECT_EQ(setting, "a.dic");
  EXPECT_TRUE(lexicon.Lookup_dictionaries("ab", LookupMode::Punjabi));
}

}  // namespace
}  // namespace quilm
