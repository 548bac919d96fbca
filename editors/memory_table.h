// Tables in the text of the in-memory editor, kept as Word's text of a table
// reads: each row is one paragraph, and each cell ends with kCellEnd
// (U+0007). The table at a position is the run of neighbouring rows with the
// same number of cells around it. Being text, a table is edited, undone and
// redone as any other text is.
#pragma once

#include <optional>
#include <vector>

#include "editor/editor.h"
#include "editor/paragraph_index.h"

namespace quilm {

inline constexpr char16_t kCellEnd = u'\u0007';

// Characters [start, end) hold the rows, without the break after the last.
struct TableSpan {
  int start = 0, end = 0;
};

std::optional<TableSpan> table_span_at(const std::vector<TextRun>& runs, const ParagraphIndex& paragraphs,
                                       int position);
TableCells cells_in(const std::vector<TextRun>& runs, const TableSpan& span);
// The runs of a table of `cells`: rows separated by paragraph breaks, each
// cell followed by its mark in the cell's last format (`empty` for a cell
// without text).
std::vector<TextRun> table_runs(const TableCells& cells, const CharFormat& empty);
// Whether `cells` fits a table of `shape`: the same rows and columns, and no
// cell holding a paragraph break or a cell mark.
bool fits_table(const TableCells& cells, const TableCells& shape);

}  // namespace quilm

namespace quilm {

// The position of the text of cell (row, column) of `cells`, a table whose
// first row begins at `table_start`.
int cell_position(const TableCells& cells, int table_start, TableCellIndex cell);
int cell_length(const TableCells& cells, TableCellIndex cell);
// `cells` with `count` empty rows put before `row`, or columns before `column`.
TableCells with_rows_inserted(TableCells cells, int row, int count);
TableCells with_columns_inserted(TableCells cells, int column, int count);
TableCells with_rows_removed(TableCells cells, int row, int count);
TableCells with_columns_removed(TableCells cells, int column, int count);

}  // namespace quilm
