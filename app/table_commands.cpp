#include "app/table_commands.h"

#include <charconv>

namespace quilm {
namespace {

// The rows and columns from the caret's cell to the cell of the selection's end.
struct CellBlock {
  TableCellIndex first, last;
};

std::optional<CellBlock> selected_cells(const Editor& editor) {
  const std::optional<TableCellIndex> first = editor.TableCellAt(editor.SelStart());
  if (!first) return std::nullopt;
  const std::optional<TableCellIndex> end = editor.TableCellAt(editor.SelStart() + editor.SelLength());
  const TableCellIndex last = end.value_or(*first);
  return CellBlock{{std::min(first->row, last.row), std::min(first->column, last.column)},
                   {std::max(first->row, last.row), std::max(first->column, last.column)}};
}

Status no_table() { return Status::Error("The caret is in no table"); }

// The table's rows and columns, or nullopt outside a table.
std::optional<TableCellIndex> table_size(const Editor& editor) {
  TableCells cells;
  if (!editor.TableAtInputPos(cells) || cells.rows.empty()) return std::nullopt;
  return TableCellIndex{static_cast<int>(cells.rows.size()), static_cast<int>(cells.rows.front().size())};
}

bool read_number(const std::string& text, int low, int high, int& out) {
  const char* end = text.data() + text.size();
  int value = 0;
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  if (error != std::errc() || stop != end || value < low || value > high) return false;
  out = value;
  return true;
}

}  // namespace

Status insert_table_column(Editor& editor, TableSide side) {
  const int column = editor.TableColAtInputPos();
  if (column < 0 || !editor.TableCanInsertColumn()) return Status::Error(kColumnCannotBeInserted);
  const Status inserted = editor.TableInsertColumns(side == TableSide::Before ? column : column + 1, 1);
  return inserted ? inserted : Status::Error(kColumnCannotBeInserted);
}

Status insert_table_row(Editor& editor, TableSide side) {
  const int row = editor.TableRowAtInputPos();
  if (row < 0) return no_table();
  return editor.TableInsertRows(side == TableSide::Before ? row : row + 1, 1);
}

Status delete_table(Editor& editor) {
  if (!select_table_part(editor, TablePart::Table)) return no_table();
  return editor.TableDelete();
}

Status delete_table_rows(Editor& editor) {
  const std::optional<CellBlock> block = selected_cells(editor);
  if (!block) return no_table();
  return editor.TableDeleteRows(block->first.row, block->last.row - block->first.row + 1);
}

Status delete_table_columns(Editor& editor) {
  const std::optional<CellBlock> block = selected_cells(editor);
  if (!block) return no_table();
  return editor.TableDeleteColumns(block->first.column, block->last.column - block->first.column + 1);
}

Status split_table(Editor& editor, TableSide side) {
  const int row = editor.TableRowAtInputPos();
  if (row < 0) return no_table();
  return editor.TableSplit(side == TableSide::Before ? row : row + 1);
}

bool select_table_part(Editor& editor, TablePart part) {
  const std::optional<TableCellIndex> caret = editor.TableCellAt(editor.SelStart());
  const std::optional<TableCellIndex> size = table_size(editor);
  if (!caret || !size) return false;
  TableCellIndex first = *caret, last = *caret;
  if (part != TablePart::Cell) first.column = 0, last.column = size->column - 1;
  if (part == TablePart::Table) first.row = 0, last.row = size->row - 1;
  const std::optional<TextRange> from = editor.TableCellRange(first.row, first.column);
  const std::optional<TextRange> to = editor.TableCellRange(last.row, last.column);
  if (!from || !to) return false;
  editor.Select(from->start, to->end() - from->start);
  return true;
}

Status read_table_attributes(const TableAttributeTexts& texts, TableAttributes& attributes) {
  TableAttributes read = attributes;
  const struct {
    const std::string& text;
    const char* name;
    int high;
    int& out;
  } fields[] = {
      {texts.border_width, "Border width", TableAttributes::kMaxBorder, read.border_width},
      {texts.cell_padding, "Cell padding", TableAttributes::kMaxPadding, read.cell_padding},
      {texts.cell_spacing, "Cell spacing", TableAttributes::kMaxSpacing, read.cell_spacing},
      {texts.width_percent, "Width", TableAttributes::kMaxWidthPercent, read.width_percent},
  };
  for (const auto& field : fields)
    if (!read_number(field.text, 0, field.high, field.out))
      return Status::Error(std::string(field.name) + " must be a whole number from 0 to " + std::to_string(field.high) +
                           ", not \"" + field.text + "\"");
  attributes = read;
  return Status::Ok();
}

}  // namespace quilm
