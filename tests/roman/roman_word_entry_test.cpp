// "Add Word": the Roman box's letters, and pairs entered among the user's
// own Roman spellings once each, and not when the shipped table holds them,
// however many records share the spelling there.
#include <gtest/gtest.h>

#include "common/file_io.h"
#include "roman/roman_word_entry.h"
#include "roman/user_roman_words.h"
#include "tables/create_table_file.h"
#include "tables/schema_text.h"
#include "tables/sqlite_table.h"
#include "tests/support/temp_dir.h"

namespace quilm {
namespace {

TEST(RomanWordEntry, TheRomanBoxTakesTheFirstRunOfLetters) {
  const std::pair<std::u16string, std::string> cases[] = {
      {u"Ab12cd", "Ab"}, {u"12 sat sri", "sat"}, {u"\u0A38\u0A24", ""}, {u"", ""}, {u"kaur", "kaur"},
  };
  for (const auto& [source, letters] : cases) {
    SCOPED_TRACE(letters);
    EXPECT_EQ(first_roman_letters(source), letters);
  }
}

class RomanTable : public ::testing::Test {
 protected:
  RomanTable() {
    TableSchema schema;
    EXPECT_TRUE(parse_table_schema("field Roman text\nfield Gurmukhi text\nindex ROMAN Roman\n", &schema));
    EXPECT_TRUE(create_table_file(dir / "RomanGur.dbf", schema));
    EXPECT_TRUE(table.SetTableName((dir / "RomanGur.dbf").string()));
    EXPECT_TRUE(table.Open());
    EXPECT_TRUE(table.SetIndexName("ROMAN"));
  }
  // A record of the shipped dictionary.
  void ship(std::string_view roman, BytesView gurmukhi) {
    ASSERT_TRUE(table.Insert());
    ASSERT_TRUE(table.SetFieldByName("Roman", FieldValue(Bytes(roman))));
    ASSERT_TRUE(table.SetFieldByName("Gurmukhi", FieldValue(Bytes(gurmukhi))));
    ASSERT_TRUE(table.Post());
  }
  AddWordResult add(std::string_view roman, BytesView gurmukhi, bool with_table = true) {
    AddWordResult result = AddWordResult::Nothing;
    EXPECT_TRUE(add_roman_word(with_table ? &table : nullptr, dir.path(), roman, gurmukhi, &result));
    return result;
  }
  // The user's pairs as the Roman dictionary reads them.
  std::vector<Bytes> user_words(std::string_view roman) {
    RomanDictionary loaded;
    EXPECT_TRUE(load_user_roman_words(dir.path(), loaded));
    const auto words = loaded.find(roman);
    return {words.begin(), words.end()};
  }
  test::TempDir dir;
  SqliteTable table;
};

TEST_F(RomanTable, APairOfTheShippedTableBeyondItsTwentiethRecordIsPresent) {
  for (int i = 0; i < 25; ++i) ship("sat", "w" + std::to_string(100 + i));
  EXPECT_EQ(add("Sat", "w124"), AddWordResult::AlreadyPresent);
  EXPECT_TRUE(SearchWord(table, "sat", "w124"));
  EXPECT_FALSE(SearchWord(table, "sa", "w124"));
  EXPECT_TRUE(user_words("sat").empty());
}

TEST_F(RomanTable, ANewPairGoesAmongTheUsersOwnAndTheShippedTableStaysAsItWas) {
  ship("sat", "siq");
  EXPECT_EQ(add("Sat", "sq"), AddWordResult::Added);
  EXPECT_EQ(add("sat", "sq"), AddWordResult::AlreadyPresent);
  EXPECT_EQ(add("sat", "sq", false), AddWordResult::AlreadyPresent) << "the user's own pairs are searched too";
  EXPECT_EQ(table.RecordCount(), 1);
  EXPECT_EQ(user_words("sat"), (std::vector<Bytes>{"sq"}));
}

TEST_F(RomanTable, EmptyBoxesAddNothing) {
  EXPECT_EQ(add("", "qy"), AddWordResult::Nothing);
  EXPECT_EQ(add("te", ""), AddWordResult::Nothing);
  EXPECT_FALSE(std::filesystem::exists(dir / std::string(kUserRomanWordsFile)));
}

TEST_F(RomanTable, TheTextCopyIsAppendedOnlyWhenItExists) {
  EXPECT_EQ(add("te", "qy"), AddWordResult::Added);
  EXPECT_FALSE(std::filesystem::exists(dir / "RomanGur.txt"));
  dir.write("RomanGur.txt", "old 1\r\n");
  EXPECT_EQ(add("Hun", "hux"), AddWordResult::Added);
  EXPECT_EQ(read_file(dir / "RomanGur.txt"), Bytes("old 1\r\nhun hux\r\n"));
}

}  // namespace
}  // namespace quilm
