// The Table menu's commands, written once against the editor interface and
// run on each editor: a test file instantiates TableCommandsOnEditor with a
// fixture type that has an `Editor& editor()`. Both editors must leave the
// same cells and the caret in the same cell.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "app/table_commands.h"
#include "editor/editor.h"

namespace quilm::test {

using CellTexts = std::vector<std::vector<std::u16string>>;

template <typename EditorHolder>
class TableCommandsOnEditor : public ::testing::Test {
 protected:
  Editor& editor() { return holder_.editor(); }

  // A table of `texts` in a fresh document, the caret in cell (row, column).
  void make_table(const CellTexts& texts, int row = 0, int column = 0) {
    editor().Clear();
    editor().InsertTable(static_cast<int>(texts.size()), static_cast<int>(texts.front().size()));
    TableCells cells;
    for (const auto& r : texts) {
      cells.rows.emplace_back();
      for (const auto& text : r) {
        cells.rows.back().emplace_back();
        if (!text.empty()) cells.rows.back().back().push_back({text, CharFormat{}});
      }
    }
    ASSERT_TRUE(editor().SetTableAtInputPos(cells).ok());
    table_start_ = editor().TableCellRange(0, 0)->start;
    put_caret(row, column);
  }
  // The caret back at the start of the table made last (or of its upper part).
  void to_table_start() { editor().SetSelStart(table_start_); }
  void put_caret(int row, int column) {
    const std::optional<TextRange> cell = editor().TableCellRange(row, column);
    ASSERT_TRUE(cell.has_value());
    editor().SetSelStart(cell->start);
  }
  // The texts of the table at the caret; empty outside a table.
  CellTexts cells() {
    TableCells table;
    CellTexts texts;
    if (!editor().TableAtInputPos(table)) return texts;
    for (const auto& row : table.rows) {
      texts.emplace_back();
      for (const TableCell& cell : row) {
        std::u16string text;
        for (const TextRun& run : cell) text += run.text;
        texts.back().push_back(text);
      }
    }
    return texts;
  }
  TableCellIndex caret_cell() {
    return {editor().TableRowAtInputPos(), editor().TableColAtInputPos()};
  }

  EditorHolder holder_;
  int table_start_ = 0;
};

TYPED_TEST_SUITE_P(TableCommandsOnEditor);

TYPED_TEST_P(TableCommandsOnEditor, EachCommandLeavesTheCellsAndTheCaretAndUndoesInOneStep) {
  const CellTexts start = {{u"a", u"b"}, {u"c", u"d"}};
  struct Case {
    const char* label;
    TableCellIndex caret;
    std::function<Status(Editor&)> command;
    CellTexts expected;
    TableCellIndex caret_after;
  };
  const Case cases[] = {
      {"column to the left", {0, 1}, [](Editor& e) { return insert_table_column(e, TableSide::Before); },
       {{u"a", u"", u"b"}, {u"c", u"", u"d"}}, {0, 2}},
      {"column to the right", {0, 0}, [](Editor& e) { return insert_table_column(e, TableSide::After); },
       {{u"a", u"", u"b"}, {u"c", u"", u"d"}}, {0, 0}},
      {"column right of the last", {1, 1}, [](Editor& e) { return insert_table_column(e, TableSide::After); },
       {{u"a", u"b", u""}, {u"c", u"d", u""}}, {1, 1}},
      {"row above", {1, 0}, [](Editor& e) { return insert_table_row(e, TableSide::Before); },
       {{u"a", u"b"}, {u"", u""}, {u"c", u"d"}}, {2, 0}},
      {"row below", {0, 1}, [](Editor& e) { return insert_table_row(e, TableSide::After); },
       {{u"a", u"b"}, {u"", u""}, {u"c", u"d"}}, {0, 1}},
      {"row below the last", {1, 0}, [](Editor& e) { return insert_table_row(e, TableSide::After); },
       {{u"a", u"b"}, {u"c", u"d"}, {u"", u""}}, {1, 0}},
      {"delete the caret's row", {0, 1}, delete_table_rows, {{u"c", u"d"}}, {0, 1}},
      {"delete the caret's column", {1, 1}, delete_table_columns, {{u"a"}, {u"c"}}, {1, 0}},
      {"split above the caret's row", {1, 1}, [](Editor& e) { return split_table(e, TableSide::Before); },
       {{u"c", u"d"}}, {0, 1}},
      {"split below the caret's row", {0, 0}, [](Editor& e) { return split_table(e, TableSide::After); },
       {{u"a", u"b"}}, {0, 0}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    this->make_table(start, c.caret.row, c.caret.column);
    const std::u16string text_before = this->editor().Text();
    ASSERT_TRUE(c.command(this->editor()).ok());
    EXPECT_EQ(this->cells(), c.expected);
    EXPECT_EQ(this->caret_cell(), c.caret_after);
    this->editor().Undo();
    EXPECT_EQ(this->editor().Text(), text_before);
    this->to_table_start();
    EXPECT_EQ(this->cells(), start);
  }
}

TYPED_TEST_P(TableCommandsOnEditor, SplittingLeavesTwoTablesWithAParagraphBetween) {
  this->make_table({{u"a"}, {u"b"}, {u"c"}}, 1, 0);
  ASSERT_TRUE(split_table(this->editor(), TableSide::Before).ok());
  EXPECT_EQ(this->cells(), (CellTexts{{u"b"}, {u"c"}}));
  this->put_caret(0, 0);
  const int lower_start = this->editor().SelStart();
  this->to_table_start();
  EXPECT_EQ(this->cells(), (CellTexts{{u"a"}}));
  // Between the two tables lies a paragraph of no table, where text may go.
  this->editor().SetSelStart(lower_start - 1);
  EXPECT_TRUE(this->cells().empty());
}

TYPED_TEST_P(TableCommandsOnEditor, TheSelectionReachesTheRowsAndColumnsDeleted) {
  this->make_table({{u"a", u"b", u"c"}, {u"d", u"e", u"f"}, {u"g", u"h", u"i"}});
  const int from = this->editor().TableCellRange(0, 1)->start;
  const TextRange to = *this->editor().TableCellRange(1, 2);
  this->editor().Select(from, to.end() - from);
  ASSERT_TRUE(delete_table_rows(this->editor()).ok());
  EXPECT_EQ(this->cells(), (CellTexts{{u"g", u"h", u"i"}}));
  this->editor().Undo();
  this->to_table_start();
  this->editor().Select(from, to.end() - from);
  ASSERT_TRUE(delete_table_columns(this->editor()).ok());
  EXPECT_EQ(this->cells(), (CellTexts{{u"a"}, {u"d"}, {u"g"}}));
}

// A table cannot stand without rows or columns: taking the last one takes
// the table, and undo brings it back.
TYPED_TEST_P(TableCommandsOnEditor, DeletingTheLastRowOrColumnDeletesTheTable) {
  const struct {
    const char* label;
    CellTexts table;
    std::function<Status(Editor&)> command;
  } cases[] = {
      {"the one row", {{u"a", u"b"}}, delete_table_rows},
      {"the one column", {{u"a"}, {u"b"}}, delete_table_columns},
      {"the table", {{u"a", u"b"}, {u"c", u"d"}}, delete_table},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    this->make_table(c.table);
    ASSERT_TRUE(c.command(this->editor()).ok());
    EXPECT_TRUE(this->cells().empty());
    EXPECT_EQ(this->editor().TableRowAtInputPos(), -1);
    this->editor().Undo();
    this->to_table_start();
    EXPECT_EQ(this->cells(), c.table);
  }
}

TYPED_TEST_P(TableCommandsOnEditor, OutsideATableNothingChanges) {
  this->editor().SetSelText(u"no table here");
  this->editor().SetSelStart(3);
  const Status column = insert_table_column(this->editor(), TableSide::Before);
  EXPECT_EQ(column.message(), "COLUMN  CANNOT BE INSERTED");
  EXPECT_FALSE(insert_table_row(this->editor(), TableSide::After).ok());
  EXPECT_FALSE(delete_table(this->editor()).ok());
  EXPECT_FALSE(delete_table_rows(this->editor()).ok());
  EXPECT_FALSE(delete_table_columns(this->editor()).ok());
  EXPECT_FALSE(split_table(this->editor(), TableSide::Before).ok());
  EXPECT_FALSE(select_table_part(this->editor(), TablePart::Cell));
  EXPECT_FALSE(this->editor().SetTableAttributesAtInputPos(TableAttributes{}).ok());
  EXPECT_FALSE(this->editor().TableCanInsertColumn());
  EXPECT_FALSE(this->editor().TableCanDeleteLines());
  EXPECT_EQ(this->editor().Text(), u"no table here");
  EXPECT_EQ(this->editor().SelStart(), 3);
}

TYPED_TEST_P(TableCommandsOnEditor, AFullWidthTableTakesNoColumnAndSplitsOnlyBetweenRows) {
  this->make_table({std::vector<std::u16string>(kMaxTableColumns)});
  EXPECT_FALSE(this->editor().TableCanInsertColumn());
  EXPECT_EQ(insert_table_column(this->editor(), TableSide::After).message(), kColumnCannotBeInserted);
  EXPECT_EQ(this->cells().front().size(), static_cast<std::size_t>(kMaxTableColumns));
  EXPECT_FALSE(split_table(this->editor(), TableSide::Before).ok()) << "nothing above the first row";
  EXPECT_FALSE(split_table(this->editor(), TableSide::After).ok()) << "nothing below the last row";
}

TYPED_TEST_P(TableCommandsOnEditor, SelectingTakesTheCellTheRowOrTheTable) {
  this->make_table({{u"ab", u"cd"}, {u"ef", u"gh"}}, 1, 1);
  ASSERT_TRUE(select_table_part(this->editor(), TablePart::Cell));
  EXPECT_EQ(this->editor().SelText(), u"gh");
  this->put_caret(1, 0);
  // A selection over cells ends in its last cell (the Qt editor reports the
  // end of such a selection at that cell's start).
  const auto selection_end_cell = [&] {
    return this->editor().TableCellAt(this->editor().SelStart() + this->editor().SelLength());
  };
  ASSERT_TRUE(select_table_part(this->editor(), TablePart::Row));
  EXPECT_EQ(this->editor().SelStart(), this->editor().TableCellRange(1, 0)->start);
  EXPECT_EQ(selection_end_cell(), (TableCellIndex{1, 1}));
  ASSERT_TRUE(select_table_part(this->editor(), TablePart::Table));
  EXPECT_EQ(this->editor().SelStart(), this->editor().TableCellRange(0, 0)->start);
  EXPECT_EQ(selection_end_cell(), (TableCellIndex{1, 1}));
}

TYPED_TEST_P(TableCommandsOnEditor, AttributesAreKeptAndUndone) {
  this->make_table({{u"a", u"b"}});
  const TableAttributes before = *this->editor().TableAttributesAtInputPos();
  TableAttributes changed;
  changed.border_width = 0;
  changed.cell_padding = 5;
  changed.cell_spacing = 3;
  changed.width_percent = 80;
  changed.alignment = TableAlignment::Center;
  ASSERT_TRUE(this->editor().SetTableAttributesAtInputPos(changed).ok());
  EXPECT_EQ(*this->editor().TableAttributesAtInputPos(), changed);
  EXPECT_EQ(this->cells(), (CellTexts{{u"a", u"b"}}));
  this->editor().Undo();
  this->to_table_start();
  EXPECT_EQ(*this->editor().TableAttributesAtInputPos(), before);
  this->editor().Redo();
  this->to_table_start();
  EXPECT_EQ(*this->editor().TableAttributesAtInputPos(), changed);
}

TYPED_TEST_P(TableCommandsOnEditor, GridLinesAreAViewSetting) {
  this->make_table({{u"a"}});
  EXPECT_TRUE(this->editor().TableGridLines());
  this->editor().SetModified(false);
  this->editor().SetTableGridLines(false);
  EXPECT_FALSE(this->editor().TableGridLines());
  EXPECT_FALSE(this->editor().Modified());
}

REGISTER_TYPED_TEST_SUITE_P(TableCommandsOnEditor, EachCommandLeavesTheCellsAndTheCaretAndUndoesInOneStep,
                            SplittingLeavesTwoTablesWithAParagraphBetween,
                            TheSelectionReachesTheRowsAndColumnsDeleted, DeletingTheLastRowOrColumnDeletesTheTable,
                            OutsideATableNothingChanges, AFullWidthTableTakesNoColumnAndSplitsOnlyBetweenRows,
                            SelectingTakesTheCellTheRowOrTheTable, AttributesAreKeptAndUndone,
                            GridLinesAreAViewSetting);

}  // namespace quilm::test
