// The Qt editor's tables: rows and columns put in and taken out, splitting,
// the cells' positions and the tables' attributes, each change one step of
// undo.
#include <QTextCursor>
#include <QTextTable>
#include <algorithm>

#include "editors/ui/qt_editor.h"
#include "editors/ui/qt_table_shape.h"
#include "editors/ui/table_grid_lines.h"

namespace quilm {
namespace {

Status no_table() { return Status::Error("The caret is in no table"); }

bool valid_stretch(int first, int count, int size) { return count > 0 && first >= 0 && first + count <= size; }

}  // namespace

QTextTable* QtEditor::caret_table() const {
  QTextCursor c(&document());
  c.setPosition(SelStart());
  return c.currentTable();
}

void QtEditor::put_caret_in(QTextTable& table, TableCellIndex cell) {
  const int row = std::clamp(cell.row, 0, table.rows() - 1);
  const int column = std::clamp(cell.column, 0, table.columns() - 1);
  take_cursor(table.cellAt(row, column).firstCursorPosition());
}

std::optional<TableCellIndex> QtEditor::TableCellAt(int position) const {
  const QTextTable* t = caret_table();
  if (!t) return std::nullopt;
  const QTextTableCell cell = t->cellAt(position);
  if (!cell.isValid()) return std::nullopt;
  return TableCellIndex{cell.row(), cell.column()};
}

std::optional<TextRange> QtEditor::TableCellRange(int row, int column) const {
  const QTextTable* t = caret_table();
  if (!t) return std::nullopt;
  const QTextTableCell cell = t->cellAt(row, column);
  if (!cell.isValid()) return std::nullopt;
  const int first = cell.firstCursorPosition().position();
  return TextRange{first, cell.lastCursorPosition().position() - first};
}

Status QtEditor::TableInsertRows(int row, int count) {
  QTextTable* t = caret_table();
  if (!t) return no_table();
  if (count <= 0 || row < 0 || row > t->rows()) return Status::Error("No such row");
  if (t->rows() + count > kMaxTableRows) return Status::Error("The table has as many rows as it may have");
  TableCellIndex caret = *TableCellAt(SelStart());
  if (caret.row >= row) caret.row += count;
  EditGroup group(*this);
  t->insertRows(row, count);
  put_caret_in(*t, caret);
  return Status::Ok();
}

Status QtEditor::TableInsertColumns(int column, int count) {
  QTextTable* t = caret_table();
  if (!t) return no_table();
  if (count <= 0 || column < 0 || column > t->columns()) return Status::Error("No such column");
  if (t->columns() + count > kMaxTableColumns) return Status::Error("The table has as many columns as it may have");
  TableCellIndex caret = *TableCellAt(SelStart());
  if (caret.column >= column) caret.column += count;
  EditGroup group(*this);
  t->insertColumns(column, count);
  put_caret_in(*t, caret);
  return Status::Ok();
}

Status QtEditor::TableDeleteRows(int row, int count) {
  QTextTable* t = caret_table();
  if (!t) return no_table();
  if (!valid_stretch(row, count, t->rows())) return Status::Error("No such row");
  if (count == t->rows()) return TableDelete();
  TableCellIndex caret = *TableCellAt(SelStart());
  if (caret.row >= row + count)
    caret.row -= count;
  else if (caret.row >= row)
    caret.row = row;
  EditGroup group(*this);
  t->removeRows(row, count);
  put_caret_in(*t, caret);
  return Status::Ok();
}

Status QtEditor::TableDeleteColumns(int column, int count) {
  QTextTable* t = caret_table();
  if (!t) return no_table();
  if (!valid_stretch(column, count, t->columns())) return Status::Error("No such column");
  if (count == t->columns()) return TableDelete();
  TableCellIndex caret = *TableCellAt(SelStart());
  if (caret.column >= column + count)
    caret.column -= count;
  else if (caret.column >= column)
    caret.column = column;
  EditGroup group(*this);
  t->removeColumns(column, count);
  put_caret_in(*t, caret);
  return Status::Ok();
}

Status QtEditor::TableDelete() {
  QTextTable* t = caret_table();
  if (!t) return no_table();
  const int where = std::max(t->firstPosition() - 1, 0);
  {
    EditGroup group(*this);
    t->removeRows(0, t->rows());  // takes the whole table
  }
  QTextCursor c(&document());
  c.setPosition(std::min(where, TextLength()));
  take_cursor(c);
  return Status::Ok();
}

Status QtEditor::TableSplit(int row) {
  QTextTable* t = caret_table();
  if (!t) return no_table();
  if (row <= 0 || row >= t->rows()) return Status::Error("A table is split between two of its rows");
  const TableCellIndex caret = *TableCellAt(SelStart());
  EditGroup group(*this);
  QTextTable* lower = split_table(*t, row);
  if (caret.row >= row)
    put_caret_in(*lower, {caret.row - row, caret.column});
  else
    put_caret_in(*t, caret);
  return Status::Ok();
}

void QtEditor::SetTableGridLines(bool shown) {
  grid_lines_shown_ = shown;
  if (grid_lines_) grid_lines_->setVisible(shown);
}

bool QtEditor::TableGridLines() const { return grid_lines_shown_; }

std::optional<TableAttributes> QtEditor::TableAttributesAtInputPos() const {
  const QTextTable* t = caret_table();
  if (!t) return std::nullopt;
  return table_attributes(t->format());
}

Status QtEditor::SetTableAttributesAtInputPos(const TableAttributes& attributes) {
  QTextTable* t = caret_table();
  if (!t) return no_table();
  QTextTableFormat format = t->format();
  set_table_attributes(format, attributes);
  EditGroup group(*this);
  t->setFormat(format);
  return Status::Ok();
}

}  // namespace quilm
