// The Table menu's commands on the Qt editor: the same cases as on the
// in-memory editor, and tables with merged cells, which only it has.
#include <QTextCursor>
#include <QTextTable>

#include "editors/ui/qt_editor.h"
#include "tests/app/table_commands_cases.h"

namespace quilm::test {
namespace {

struct QtHolder {
  QtEditor e;
  Editor& editor() { return e; }
};
INSTANTIATE_TYPED_TEST_SUITE_P(Qt, TableCommandsOnEditor, QtHolder);

class MergedCells : public TableCommandsOnEditor<QtHolder> {
 protected:
  QTextTable* table() { return holder_.e.widget()->textCursor().currentTable(); }
};

// a b c       a and d merged
// d e f
// g h i
TEST_F(MergedCells, CommandsKeepTheMergedCellWhole) {
  const CellTexts start = {{u"a", u"b", u"c"}, {u"", u"e", u"f"}, {u"g", u"h", u"i"}};
  const struct {
    const char* label;
    TableCellIndex caret;
    std::function<Status(Editor&)> command;
    int rows, columns, merged_rows;
  } cases[] = {
      {"row inserted inside the merged cell", {0, 1}, [](Editor& e) { return insert_table_row(e, TableSide::After); },
       4, 3, 3},
      {"column inserted beside it", {0, 0}, [](Editor& e) { return insert_table_column(e, TableSide::After); }, 3, 4, 2},
      {"row of the merged cell deleted", {1, 1}, delete_table_rows, 2, 3, 1},
      {"split across the merged cell", {1, 1}, [](Editor& e) { return split_table(e, TableSide::Before); }, 2, 3, 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    make_table(start);
    table()->mergeCells(0, 0, 2, 1);
    put_caret(c.caret.row, c.caret.column);
    ASSERT_TRUE(c.command(editor()).ok());
    put_caret(0, 0);
    ASSERT_NE(table(), nullptr);
    EXPECT_EQ(table()->rows(), c.rows);
    EXPECT_EQ(table()->columns(), c.columns);
    EXPECT_EQ(table()->cellAt(0, 0).rowSpan(), c.merged_rows);
  }
}

TEST_F(MergedCells, ASplitKeepsTheTextAboveAndMergesTheRestBelow) {
  make_table({{u"a", u"b"}, {u"", u"d"}, {u"", u"f"}, {u"g", u"h"}});
  table()->mergeCells(0, 0, 3, 1);
  put_caret(2, 1);
  ASSERT_TRUE(split_table(editor(), TableSide::Before).ok());
  EXPECT_EQ(cells(), (CellTexts{{u"", u"f"}, {u"g", u"h"}}));
  EXPECT_EQ(caret_cell(), (TableCellIndex{0, 1}));
  to_table_start();
  EXPECT_EQ(cells(), (CellTexts{{u"a", u"b"}, {u"a", u"d"}})) << "a merged cell answers for every row it covers";
  EXPECT_EQ(table()->cellAt(0, 0).rowSpan(), 2);
  editor().Undo();
  to_table_start();
  EXPECT_EQ(table()->rows(), 4);
  EXPECT_EQ(table()->cellAt(0, 0).rowSpan(), 3);
}

TEST_F(MergedCells, SelectingACellInAMergedCellTakesItWhole) {
  make_table({{u"ab", u"c"}, {u"", u"d"}});
  table()->mergeCells(0, 0, 2, 1);
  put_caret(1, 1);
  editor().SetSelStart(editor().TableCellRange(1, 0)->start);
  EXPECT_EQ(caret_cell(), (TableCellIndex{0, 0}));
  ASSERT_TRUE(select_table_part(editor(), TablePart::Cell));
  EXPECT_EQ(editor().SelText(), u"ab");
}

}  // namespace
}  // namespace quilm::test
