// Records come in the order of the selected index: primary, named (ascending
// or descending), IndexFieldNames, or adding order without a primary key;
// text keys compare as unsigned bytes.
#include <algorithm>
#include <numeric>

#include "tests/tables/word_table.h"

namespace quilm::test {
namespace {

using OrderTest = WordTable;

TEST_F(OrderTest, WalksRecordsInTheSelectedOrder) {
  struct Case {
    const char* label;
    const char* index_name;
    const char* index_field_names;
    std::vector<Bytes> words;
  };
  const Case cases[] = {
      {"primary index: bytes, 0x80 and up after ASCII", "", "", {"ga", "ka", "kha", "\x80", "\xFF\x01"}},
      {"ascending index, ties by primary key", "F", "", {"kha", "\x80", "ga", "\xFF\x01", "ka"}},
      {"descending index, ties by primary key", "RF", "", {"ka", "ga", "\xFF\x01", "kha", "\x80"}},
      {"two-field index", "LW", "", {"\x80", "ga", "ka", "\xFF\x01", "kha"}},
      {"index names ignore case", "rf", "", {"ka", "ga", "\xFF\x01", "kha", "\x80"}},
      {"IndexFieldNames of one field", "", "Frequency", {"kha", "\x80", "ga", "\xFF\x01", "ka"}},
      {"IndexFieldNames of two fields", "", "Length;Frequency", {"\x80", "ga", "\xFF\x01", "ka", "kha"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    ASSERT_TRUE(*c.index_field_names ? table.SetIndexFieldNames(c.index_field_names) : table.SetIndexName(c.index_name));
    EXPECT_EQ(hex(walk_field(table, "Word")), hex(c.words));
  }
}

TEST_F(OrderTest, ChangingTheOrderKeepsTheCurrentRecord) {
  ASSERT_TRUE(table.FindKey({"ga"}));
  ASSERT_TRUE(table.SetIndexName("RF"));
  EXPECT_EQ(table.FieldByName("Word").as_text(), "ga");
  table.Next();
  EXPECT_EQ(hex(table.FieldByName("Word").as_text()), "FF 01");
}

TEST_F(OrderTest, UnknownOrderIsRefusedAndTheOldOneKept) {
  ASSERT_TRUE(table.SetIndexName("RF"));
  EXPECT_FALSE(table.SetIndexName("Total"));
  EXPECT_FALSE(table.SetIndexFieldNames("Frequency;Count"));
  EXPECT_EQ(table.IndexName(), "RF");
  EXPECT_EQ(walk_field(table, "Word").front(), "ka");
}

TEST(TableOrder, WithoutPrimaryKeyRecordsStayInAddingOrder) {
  TempDir dir;
  make_table(dir / "List.dbf", "field Word text\nindex WORD Word\n", {{"c"}, {"a"}, {"b"}});
  SqliteTable table((dir / "List.dbf").string());
  ASSERT_TRUE(table.Open());
  EXPECT_EQ(walk_field(table, "Word"), (std::vector<Bytes>{"c", "a", "b"}));
  ASSERT_TRUE(table.SetIndexName("WORD"));
  EXPECT_EQ(walk_field(table, "Word"), (std::vector<Bytes>{"a", "b", "c"}));
}

// Every byte value, as a one-byte key added in scrambled order, comes back
// unchanged and in unsigned order; so does a value holding all of them.
TEST(TableOrder, EveryByteValueRoundTripsAndSortsUnsigned) {
  std::vector<Row> rows;
  std::vector<int> bytes(256);
  std::iota(bytes.begin(), bytes.end(), 0);
  std::rotate(bytes.begin(), bytes.begin() + 0x90, bytes.end());
  for (const int b : bytes) rows.push_back({Bytes(1, static_cast<char>(b))});
  Bytes all_bytes;
  for (int b = 0; b < 256; ++b) all_bytes += static_cast<char>(b);
  rows.push_back({all_bytes});

  TempDir dir;
  make_table(dir / "Bytes.db", "field Word text\nprimary Word\n", rows);
  SqliteTable table((dir / "Bytes.db").string());
  ASSERT_TRUE(table.Open());
  const std::vector<Bytes> walked = walk_field(table, "Word");
  ASSERT_EQ(walked.size(), 257u);
  for (int b = 0; b < 256; ++b) {
    SCOPED_TRACE(b);
    // all_bytes begins with 0x00, so it comes right after the one-byte 0x00.
    const std::size_t place = b == 0 ? 0 : static_cast<std::size_t>(b) + 1;
    EXPECT_EQ(hex(walked[place]), hex(Bytes(1, static_cast<char>(b))));
  }
  EXPECT_EQ(hex(walked[1]), hex(all_bytes));
}

}  // namespace
}  // namespace quilm::test
