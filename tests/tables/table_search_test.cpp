// FindKey matches whole keys exactly; FindNearest finds the first key not
// before the values, in the order of the selected index.
#include "tests/tables/word_table.h"

namespace quilm::test {
namespace {

using SearchTest = WordTable;

struct SearchCase {
  const char* label;
  const char* index_name;
  std::vector<FieldValue> key;
  bool found;
  Bytes word;  // the record the cursor is on afterwards; it starts on the first one
};

void select_index(SqliteTable& table, const char* index_name) {
  ASSERT_TRUE(table.SetIndexName(index_name));
}

TEST_F(SearchTest, FindKeyMatchesWholeKeysOnly) {
  const SearchCase cases[] = {
      {"exact text key", "", {"kha"}, true, "kha"},
      {"a prefix of a key is not found", "", {"kh"}, false, "ga"},
      {"a key longer than one stored is not found", "", {"kaa"}, false, "ga"},
      {"key bytes above 0x7F", "", {Bytes("\xFF\x01")}, true, "\xFF\x01"},
      {"the blank key is not the empty string", "", {""}, false, "ga"},
      {"number key: first of equal keys in order", "F", {20}, true, "ga"},
      {"number key given as text", "F", {"30"}, true, "ka"},
      {"text that is no number never matches", "F", {"many"}, false, "kha"},
      {"two-field key", "LW", {2, "ka"}, true, "ka"},
      {"leading field only", "LW", {3}, true, "kha"},
      {"two-field key that does not exist", "LW", {1, "ka"}, false, "\x80"},
      {"more values than key fields", "", {"ka", 1}, false, "ga"},
  };
  for (const SearchCase& c : cases) {
    SCOPED_TRACE(c.label);
    select_index(table, c.index_name);
    table.First();
    EXPECT_EQ(table.FindKey(c.key), c.found);
    EXPECT_EQ(hex(table.FieldByName("Word").as_text()), hex(c.word));
  }
}

TEST_F(SearchTest, FindNearestFindsTheFirstKeyNotLess) {
  const SearchCase cases[] = {
      {"between two keys", "", {"kb"}, true, "kha"},
      {"equal to a key", "", {"ka"}, true, "ka"},
      {"a prefix finds the first key it begins", "", {"k"}, true, "ka"},
      {"before the first key", "", {"a"}, true, "ga"},
      {"between ASCII and 0x80: unsigned bytes", "", {"z"}, true, "\x80"},
      {"between 0x80 and 0xFF", "", {Bytes("\x81")}, true, "\xFF\x01"},
      {"past the last key", "", {Bytes("\xFF\x02")}, false, "\xFF\x01"},
      {"number between keys", "F", {15}, true, "ga"},
      {"descending index: the next smaller number", "RF", {25}, true, "ga"},
      {"descending index: past the smallest", "RF", {5}, false, "\x80"},
      {"two fields: second field between keys", "LW", {2, "h"}, true, "ka"},
      {"two fields: past the last of the first field", "LW", {2, Bytes("\xFF\x02")}, true, "kha"},
  };
  for (const SearchCase& c : cases) {
    SCOPED_TRACE(c.label);
    select_index(table, c.index_name);
    table.First();
    EXPECT_EQ(table.FindNearest(c.key), c.found);
    EXPECT_EQ(hex(table.FieldByName("Word").as_text()), hex(c.word));
    EXPECT_EQ(table.Eof(), !c.found);
  }
}

TEST_F(SearchTest, IndexFieldNamesOrderIsSearchedOnItsFields) {
  ASSERT_TRUE(table.SetIndexFieldNames("Length;Word"));
  EXPECT_TRUE(table.FindKey({2, "ga"}));
  EXPECT_TRUE(table.FindNearest({1, Bytes("\x81")}));
  EXPECT_EQ(table.FieldByName("Word").as_text(), "ga");
}

TEST_F(SearchTest, MovesContinueFromTheRecordFound) {
  ASSERT_TRUE(table.SetIndexName("F"));
  ASSERT_TRUE(table.FindKey({20}));
  table.Next();
  EXPECT_EQ(hex(table.FieldByName("Word").as_text()), "FF 01");
  table.Prior();
  table.Prior();
  EXPECT_EQ(hex(table.FieldByName("Word").as_text()), "80");
}

TEST(TableSearch, BlankKeysSortFirstAndAreFoundAsBlank) {
  TempDir dir;
  make_table(dir / "T.db", "field A text\nfield N integer\nindex NA N;A\nindex RN N desc\n",
             {{"x", 1}, {"y", FieldValue()}, {"z", 2}});
  SqliteTable table((dir / "T.db").string());
  ASSERT_TRUE(table.Open());
  ASSERT_TRUE(table.SetIndexName("NA"));
  EXPECT_EQ(walk_field(table, "A"), (std::vector<Bytes>{"y", "x", "z"}));
  EXPECT_TRUE(table.FindKey({FieldValue()}));
  EXPECT_EQ(table.FieldByName("A").as_text(), "y");
  EXPECT_TRUE(table.FindNearest({0}));
  EXPECT_EQ(table.FieldByName("A").as_text(), "x");

  ASSERT_TRUE(table.SetIndexName("RN"));  // descending: blanks last
  EXPECT_EQ(walk_field(table, "A"), (std::vector<Bytes>{"z", "x", "y"}));
  EXPECT_TRUE(table.FindNearest({0}));
  EXPECT_EQ(table.FieldByName("A").as_text(), "y");
}

}  // namespace
}  // namespace quilm::test
