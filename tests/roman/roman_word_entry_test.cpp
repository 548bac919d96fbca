// "Add Word": the Roman box's letters, and pairs entered into a Roman
// dictionary table once each, however many records share the spelling.
#include <gtest/gtest.h>

#include "common/file_io.h"
#include "roman/roman_word_entry.h"
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
  AddWordResult add(std::string_view roman, BytesView gurmukhi) {
    AddWordResult result = AddWordResult::Nothing;
    EXPECT_TRUE(add_roman_word(table, dir.path(), roman, gurmukhi, &result));
    return result;
  }
  test::TempDir dir;
  SqliteTable table;
};

TEST_F(RomanTable, APairBeyondTheTwentiethRecordOfItsSpellingIsFound) {
  for (int i = 0; i < 25; ++i) ASSERT_EQ(add("sat", "w" + std::to_string(100 + i)), AddWordResult::Added);
  EXPECT_EQ(add("Sat", "w124"), AddWordResult::AlreadyPresent);
  EXPECT_EQ(add("sat", "w125"), AddWordResult::Added);
  EXPECT_EQ(table.RecordCount(), 26);
  EXPECT_TRUE(SearchWord(table, "sat", "w124"));
  EXPECT_FALSE(SearchWord(table, "sa", "w124"));
}

TEST_F(RomanTable, EmptyBoxesAddNothing) {
  EXPECT_EQ(add("", "qy"), AddWordResult::Nothing);
  EXPECT_EQ(add("te", ""), AddWordResult::Nothing);
  EXPECT_EQ(table.RecordCount(), 0);
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
