// The in-memory editor's tables: rows and columns put in and taken out,
// splitting, the cells' positions and the tables' attributes. A changed table
// is written anew as one edit, so undo brings back text and shape together.
#include <algorithm>

#include "editor/run_list.h"
#include "editors/memory_editor.h"

namespace quilm {
namespace {

int rows_of(const TableCells& cells) { return static_cast<int>(cells.rows.size()); }
int columns_of(const TableCells& cells) { return static_cast<int>(cells.rows.front().size()); }

Status no_table() { return Status::Error("The caret is in no table"); }

bool valid_stretch(int first, int count, int size) { return count > 0 && first >= 0 && first + count <= size; }

}  // namespace

std::optional<TableSpan> MemoryEditor::caret_table() const {
  return table_span_at(doc_.runs, paragraphs_, selection_.start);
}

std::optional<TableCellIndex> MemoryEditor::TableCellAt(int position) const {
  const std::optional<TableSpan> span = caret_table();
  if (!span || position < span->start || position > span->end) return std::nullopt;
  const int row = paragraph_of(position) - paragraph_of(span->start);
  const int row_start = paragraphs_.start_of(paragraph_of(position));
  int column = 0;
  for (const TextRun& run : slice_runs(doc_.runs, row_start, position))
    column += static_cast<int>(std::count(run.text.begin(), run.text.end(), kCellEnd));
  const TableCells cells = cells_in(doc_.runs, *span);
  return TableCellIndex{row, std::min(column, columns_of(cells) - 1)};
}

std::optional<TextRange> MemoryEditor::TableCellRange(int row, int column) const {
  const std::optional<TableSpan> span = caret_table();
  if (!span) return std::nullopt;
  const TableCells cells = cells_in(doc_.runs, *span);
  if (row < 0 || row >= rows_of(cells) || column < 0 || column >= columns_of(cells)) return std::nullopt;
  return TextRange{cell_position(cells, span->start, {row, column}), cell_length(cells, {row, column})};
}

Status MemoryEditor::TableInsertRows(int row, int count) {
  const std::optional<TableSpan> span = caret_table();
  if (!span) return no_table();
  const TableCells cells = cells_in(doc_.runs, *span);
  if (count <= 0 || row < 0 || row > rows_of(cells)) return Status::Error("No such row");
  if (rows_of(cells) + count > kMaxTableRows) return Status::Error("The table has as many rows as it may have");
  const int first = paragraph_of(span->start);
  std::vector<ParagraphFormat> rows(doc_.paragraphs.begin() + first, doc_.paragraphs.begin() + first + rows_of(cells));
  rows.insert(rows.begin() + row, static_cast<std::size_t>(count), rows[static_cast<std::size_t>(std::min(row, rows_of(cells) - 1))]);
  TableCellIndex caret = *TableCellAt(selection_.start);
  if (caret.row >= row) caret.row += count;
  rewrite_table(*span, with_rows_inserted(cells, row, count), std::move(rows), caret, table_looks_);
  return Status::Ok();
}

Status MemoryEditor::TableInsertColumns(int column, int count) {
  const std::optional<TableSpan> span = caret_table();
  if (!span) return no_table();
  const TableCells cells = cells_in(doc_.runs, *span);
  if (count <= 0 || column < 0 || column > columns_of(cells)) return Status::Error("No such column");
  if (columns_of(cells) + count > kMaxTableColumns)
    return Status::Error("The table has as many columns as it may have");
  const int first = paragraph_of(span->start);
  std::vector<ParagraphFormat> rows(doc_.paragraphs.begin() + first, doc_.paragraphs.begin() + first + rows_of(cells));
  TableCellIndex caret = *TableCellAt(selection_.start);
  if (caret.column >= column) caret.column += count;
  rewrite_table(*span, with_columns_inserted(cells, column, count), std::move(rows), caret, table_looks_);
  return Status::Ok();
}

Status MemoryEditor::TableDeleteRows(int row, int count) {
  const std::optional<TableSpan> span = caret_table();
  if (!span) return no_table();
  const TableCells cells = cells_in(doc_.runs, *span);
  if (!valid_stretch(row, count, rows_of(cells))) return Status::Error("No such row");
  if (count == rows_of(cells)) return TableDelete();
  const int first = paragraph_of(span->start);
  std::vector<ParagraphFormat> rows(doc_.paragraphs.begin() + first, doc_.paragraphs.begin() + first + rows_of(cells));
  rows.erase(rows.begin() + row, rows.begin() + row + count);
  TableCellIndex caret = *TableCellAt(selection_.start);
  if (caret.row >= row + count)
    caret.row -= count;
  else if (caret.row >= row)
    caret = {std::min(row, rows_of(cells) - count - 1), caret.column};
  rewrite_table(*span, with_rows_removed(cells, row, count), std::move(rows), caret, table_looks_);
  return Status::Ok();
}

Status MemoryEditor::TableDeleteColumns(int column, int count) {
  const std::optional<TableSpan> span = caret_table();
  if (!span) return no_table();
  const TableCells cells = cells_in(doc_.runs, *span);
  if (!valid_stretch(column, count, columns_of(cells))) return Status::Error("No such column");
  if (count == columns_of(cells)) return TableDelete();
  const int first = paragraph_of(span->start);
  std::vector<ParagraphFormat> rows(doc_.paragraphs.begin() + first, doc_.paragraphs.begin() + first + rows_of(cells));
  TableCellIndex caret = *TableCellAt(selection_.start);
  if (caret.column >= column + count)
    caret.column -= count;
  else if (caret.column >= column)
    caret.column = std::min(column, columns_of(cells) - count - 1);
  rewrite_table(*span, with_columns_removed(cells, column, count), std::move(rows), caret, table_looks_);
  return Status::Ok();
}

// The table goes with one paragraph break beside it, so no empty paragraph
// is left where it stood.
Status MemoryEditor::TableDelete() {
  const std::optional<TableSpan> span = caret_table();
  if (!span) return no_table();
  int start = span->start, end = span->end;
  if (end < TextLength())
    ++end;
  else if (start > 0)
    --start;
  const int first = paragraph_of(start), last = paragraph_of(end);
  // The paragraph the stretch ends in survives when the stretch starts a paragraph.
  const bool starts_paragraph = paragraphs_.start_of(first) == start;
  DocumentEdit edit;
  edit.start = start;
  edit.removed = slice_runs(doc_.runs, start, end);
  edit.first_paragraph = first;
  edit.paragraphs_before.assign(doc_.paragraphs.begin() + first, doc_.paragraphs.begin() + last + 1);
  edit.paragraphs_after = {doc_.paragraphs[static_cast<std::size_t>(starts_paragraph ? last : first)]};
  edit.selection_before = selection_;
  edit.selection_after = {start, 0};
  edit.tables_before = table_looks_;
  pending_.reset();
  commit(std::move(edit));
  return Status::Ok();
}

// An empty paragraph put before the row makes two tables of one; the lower
// one looks as the upper one does.
Status MemoryEditor::TableSplit(int row) {
  const std::optional<TableSpan> span = caret_table();
  if (!span) return no_table();
  const TableCells cells = cells_in(doc_.runs, *span);
  if (row <= 0 || row >= rows_of(cells)) return Status::Error("A table is split between two of its rows");
  const int at = paragraphs_.start_of(paragraph_of(span->start) + row);
  const ParagraphFormat kept = doc_.paragraphs[static_cast<std::size_t>(paragraph_of(at))];
  DocumentEdit edit;
  edit.start = at;
  edit.inserted = {{std::u16string(1, kParagraphBreak), format_at(doc_.runs, at)}};
  edit.first_paragraph = paragraph_of(at);
  edit.paragraphs_before = {kept};
  edit.paragraphs_after = {kept, kept};
  edit.selection_before = selection_;
  edit.selection_after = {selection_.start >= at ? selection_.start + 1 : selection_.start, 0};
  edit.tables_before = table_looks_;
  std::map<int, TableAttributes> after;
  for (const auto& [start, looks] : table_looks_) after[start > at ? start + 1 : start] = looks;
  if (const auto it = table_looks_.find(span->start); it != table_looks_.end()) after[at + 1] = it->second;
  edit.tables_after = std::move(after);
  pending_.reset();
  commit(std::move(edit));
  return Status::Ok();
}

std::optional<TableAttributes> MemoryEditor::TableAttributesAtInputPos() const {
  const std::optional<TableSpan> span = caret_table();
  if (!span) return std::nullopt;
  const auto it = table_looks_.find(span->start);
  return it == table_looks_.end() ? TableAttributes{} : it->second;
}

// The table's text is written anew as itself, so the change is one step of undo.
Status MemoryEditor::SetTableAttributesAtInputPos(const TableAttributes& attributes) {
  const std::optional<TableSpan> span = caret_table();
  if (!span) return no_table();
  const TableCells cells = cells_in(doc_.runs, *span);
  const int first = paragraph_of(span->start);
  std::vector<ParagraphFormat> rows(doc_.paragraphs.begin() + first, doc_.paragraphs.begin() + first + rows_of(cells));
  std::map<int, TableAttributes> looks = table_looks_;
  looks[span->start] = attributes;
  rewrite_table(*span, cells, std::move(rows), *TableCellAt(selection_.start), std::move(looks));
  return Status::Ok();
}

void MemoryEditor::rewrite_table(const TableSpan& span, const TableCells& cells, std::vector<ParagraphFormat> rows_after,
                                 TableCellIndex caret, std::map<int, TableAttributes> looks) {
  DocumentEdit edit;
  edit.start = span.start;
  edit.removed = slice_runs(doc_.runs, span.start, span.end);
  edit.inserted = table_runs(cells, format_at(doc_.runs, span.start));
  edit.first_paragraph = paragraph_of(span.start);
  edit.paragraphs_before.assign(doc_.paragraphs.begin() + edit.first_paragraph,
                                doc_.paragraphs.begin() + paragraph_of(span.end) + 1);
  edit.paragraphs_after = std::move(rows_after);
  edit.selection_before = selection_;
  edit.selection_after = {cell_position(cells, span.start, caret), 0};
  edit.tables_before = table_looks_;
  // The tables behind this one move with the change of its length.
  const int moved = length_of(edit.inserted) - length_of(edit.removed);
  std::map<int, TableAttributes> after;
  for (const auto& [start, attributes] : looks) after[start > span.start ? start + moved : start] = attributes;
  edit.tables_after = std::move(after);
  pending_.reset();
  commit(std::move(edit));
}

void MemoryEditor::follow_tables(const DocumentEdit& edit, bool undone) {
  if (const auto& recorded = undone ? edit.tables_before : edit.tables_after) {
    table_looks_ = *recorded;
    return;
  }
  const int removed = length_of(undone ? edit.inserted : edit.removed);
  const int inserted = length_of(undone ? edit.removed : edit.inserted);
  std::map<int, TableAttributes> moved;
  for (const auto& [start, attributes] : table_looks_) {
    if (start <= edit.start)
      moved[start] = attributes;
    else if (start >= edit.start + removed)
      moved[start - removed + inserted] = attributes;
  }
  std::erase_if(moved, [&](const auto& entry) {
    const std::optional<TableSpan> span = table_span_at(doc_.runs, paragraphs_, entry.first);
    return !span || span->start != entry.first;
  });
  table_looks_ = std::move(moved);
}

}  // namespace quilm
