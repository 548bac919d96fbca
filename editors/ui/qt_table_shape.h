// Changes of a QTextTable's shape and look that Qt has no one call for:
// splitting a table in two, and the table attributes as a QTextTableFormat.
#pragma once

#include <QTextTable>

#include "editor/editor.h"

namespace quilm {

TableAttributes table_attributes(const QTextTableFormat& format);
void set_table_attributes(QTextTableFormat& format, const TableAttributes& attributes);
// Moves rows [row, rows) of `table` into a new table after an empty
// paragraph, with the same format; `row` lies in 1..rows-1. A merged cell
// across the cut is cut: its text stays above, its lower part is merged
// again below. Returns the new table.
QTextTable* split_table(QTextTable& table, int row);

}  // namespace quilm
