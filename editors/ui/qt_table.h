// The cells of a QTextTable as the editor interface hands them out and takes
// them in: each cell's text with its formats, its paragraphs separated by
// kParagraphBreak.
#pragma once

#include <QTextTable>

#include "editor/editor.h"

namespace quilm {

TableCells table_cells(const QTextTable& table);
// Whether `cells` has the rows and columns of `table`.
bool fits_table(const QTextTable& table, const TableCells& cells);
// Replaces the text of every cell by its runs in `cells` (which fits).
void write_table_cells(QTextTable& table, const TableCells& cells);
// The text of one cell, and the cell's text replaced by `runs`.
TableCell cell_runs(const QTextTableCell& cell);
void write_cell(const QTextTableCell& cell, const TableCell& runs);

}  // namespace quilm
