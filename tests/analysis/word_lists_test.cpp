// Word lists: names that stay inside WordList/, saving a loaded list under
// its own name, refusing to replace without a Yes, failures reported.
#include <gtest/gtest.h>

#include "analysis/word_lists.h"
#include "tests/support/temp_dir.h"

namespace quilm {
namespace {

namespace fs = std::filesystem;

TEST(WordLists, NamesStayInsideTheWordListFolder) {
  struct Case {
    const char* name;
    bool valid;
  };
  const Case cases[] = {{"notes", true},    {"ਘਰ ਬਾਰ", true}, {"a..b", true},     {"", false},
                        {"..", false},      {"../Dict", false}, {".hidden", false}, {"a/b", false},
                        {"a\\b", false},    {"tab\there", false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(valid_word_list_name(c.name), c.valid);
  }
  EXPECT_EQ(default_word_list_name("docs/notes.old.txt"), "notes");
}

class WordListStoreTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const std::string& file : word_list_files()) dir_.write(file, "analysis " + file);
  }
  test::TempDir dir_;
  WordListStore store_{dir_.path()};
};

TEST_F(WordListStoreTest, SaveCopiesTheTablesWhereTheyPoint) {
  ASSERT_TRUE(store_.save("A", dir_.path(), false).ok());
  EXPECT_EQ(dir_.read("WordList/A/WordFreq.db"), "analysis WordFreq.db");
  EXPECT_EQ(store_.names(), std::vector<std::string>{"A"});
}

TEST_F(WordListStoreTest, SavingALoadedListUnderItsNameKeepsIt) {
  ASSERT_TRUE(store_.save("A", dir_.path(), false).ok());
  dir_.write("WordFreq.db", "a later analysis");
  ASSERT_TRUE(store_.save("A", store_.folder_of("A"), true).ok());  // the tables point at list A
  EXPECT_EQ(dir_.read("WordList/A/WordFreq.db"), "analysis WordFreq.db");
}

TEST_F(WordListStoreTest, AnExistingListIsReplacedOnlyWhenConfirmed) {
  ASSERT_TRUE(store_.save("A", dir_.path(), false).ok());
  dir_.write("WordFreq.db", "a later analysis");
  EXPECT_FALSE(store_.save("A", dir_.path(), false).ok());
  EXPECT_EQ(dir_.read("WordList/A/WordFreq.db"), "analysis WordFreq.db");
  ASSERT_TRUE(store_.save("A", dir_.path(), true).ok());
  EXPECT_EQ(dir_.read("WordList/A/WordFreq.db"), "a later analysis");
  EXPECT_EQ(store_.names(), std::vector<std::string>{"A"});  // no temporary folders left
}

TEST_F(WordListStoreTest, BadNamesAndFailuresAreReported) {
  EXPECT_FALSE(store_.save("../Dict", dir_.path(), true).ok());
  EXPECT_FALSE(fs::exists(dir_ / "Dict"));
  dir_.write("WordList", "a file where the folder should be");
  const Status status = store_.save("B", dir_.path(), true);
  EXPECT_FALSE(status.ok());
  EXPECT_NE(status.message().find("Cannot Save WordList."), std::string::npos);
}

}  // namespace
}  // namespace quilm
