// Cursor moves and the begin and end of the table.
#include "tests/tables/word_table.h"

namespace quilm::test {
namespace {

using CursorTest = WordTable;

enum class Move { First, Next, Prior, Last, MoveBy };

TEST_F(CursorTest, MovesAndTheirEofBof) {
  struct Step {
    Move move;
    int n;          // for MoveBy
    int moved;      // what MoveBy returns
    Bytes word;     // primary order: ga ka kha 80 FF01
    bool bof;
    bool eof;
  };
  const Step steps[] = {
      {Move::Next, 0, 0, "ka", false, false},
      {Move::Prior, 0, 0, "ga", false, false},
      {Move::Prior, 0, 0, "ga", true, false},
      {Move::MoveBy, 3, 3, "\x80", false, false},
      {Move::MoveBy, 5, 1, "\xFF\x01", false, true},
      {Move::Next, 0, 0, "\xFF\x01", false, true},
      {Move::MoveBy, -10, -4, "ga", true, false},
      {Move::Last, 0, 0, "\xFF\x01", false, true},
      {Move::Prior, 0, 0, "\x80", false, false},
      {Move::First, 0, 0, "ga", true, false},
      {Move::MoveBy, 0, 0, "ga", true, false},
  };
  EXPECT_EQ(table.FieldByName("Word").as_text(), "ga");  // Open is on the first record
  EXPECT_TRUE(table.Bof());
  for (std::size_t i = 0; i < std::size(steps); ++i) {
    const Step& s = steps[i];
    SCOPED_TRACE("step " + std::to_string(i + 1));
    switch (s.move) {
      case Move::First: table.First(); break;
      case Move::Next: table.Next(); break;
      case Move::Prior: table.Prior(); break;
      case Move::Last: table.Last(); break;
      case Move::MoveBy: EXPECT_EQ(table.MoveBy(s.n), s.moved); break;
    }
    EXPECT_EQ(hex(table.FieldByName("Word").as_text()), hex(s.word));
    EXPECT_EQ(table.Bof(), s.bof);
    EXPECT_EQ(table.Eof(), s.eof);
  }
  EXPECT_EQ(table.RecordCount(), 5);
  EXPECT_FALSE(table.IsEmpty());
}

TEST(TableCursor, EmptyTableIsAtBothEnds) {
  TempDir dir;
  make_table(dir / "Empty.db", kWordSchema, {});
  SqliteTable table((dir / "Empty.db").string());
  ASSERT_TRUE(table.Open());
  EXPECT_TRUE(table.IsEmpty());
  EXPECT_EQ(table.RecordCount(), 0);
  table.Next();
  table.Last();
  EXPECT_EQ(table.MoveBy(2), 0);
  EXPECT_TRUE(table.Eof());
  EXPECT_TRUE(table.Bof());
  EXPECT_TRUE(table.FieldByName("Word").is_null());
  EXPECT_FALSE(table.FindKey({"ka"}));
  EXPECT_FALSE(table.FindNearest({"ka"}));
  EXPECT_FALSE(table.Delete());
}

TEST_F(CursorTest, FieldsAreFoundByNameInAnyCase) {
  ASSERT_TRUE(table.FindKey({"ka"}));
  EXPECT_EQ(table.FieldByName("frequency").as_integer(), 30);
  EXPECT_EQ(table.FieldByName("WORD").as_text(), "ka");
  ASSERT_TRUE(table.FindField("length"));
  EXPECT_EQ(table.FindField("length")->type, FieldType::Integer);
  EXPECT_FALSE(table.FindField("Count"));
  EXPECT_TRUE(table.FieldByName("Count").is_null());
}

TEST_F(CursorTest, ClosedTableHasNoRecords) {
  table.Close();
  EXPECT_FALSE(table.Active());
  EXPECT_EQ(table.State(), TableState::Inactive);
  EXPECT_FALSE(table.FindKey({"ka"}));
  EXPECT_TRUE(table.FieldByName("Word").is_null());
  EXPECT_FALSE(table.Insert());
  ASSERT_TRUE(table.Open());
  EXPECT_EQ(table.FieldByName("Word").as_text(), "ga");
}

}  // namespace
}  // namespace quilm::test
