#include "editors/ui/qt_table_shape.h"

#include <QTextCursor>
#include <QTextDocument>
#include <vector>

#include "editors/ui/qt_table.h"

namespace quilm {
namespace {

Qt::Alignment qt_table_alignment(TableAlignment alignment) {
  switch (alignment) {
    case TableAlignment::Center: return Qt::AlignHCenter;
    case TableAlignment::Right: return Qt::AlignRight;
    case TableAlignment::Left: break;
  }
  return Qt::AlignLeft;
}

TableAlignment table_alignment(Qt::Alignment alignment) {
  if (alignment & Qt::AlignHCenter) return TableAlignment::Center;
  if (alignment & Qt::AlignRight) return TableAlignment::Right;
  return TableAlignment::Left;
}

// A cell of the lower table: where it starts there, how far it reaches and its text.
struct MovedCell {
  int row, column, rows, columns;
  TableCell text;
};

}  // namespace

TableAttributes table_attributes(const QTextTableFormat& format) {
  TableAttributes a;
  a.border_width = qRound(format.border());
  a.cell_padding = qRound(format.cellPadding());
  a.cell_spacing = qRound(format.cellSpacing());
  const QTextLength width = format.width();
  a.width_percent = width.type() == QTextLength::PercentageLength ? qRound(width.rawValue()) : 0;
  a.alignment = table_alignment(format.alignment());
  return a;
}

void set_table_attributes(QTextTableFormat& format, const TableAttributes& a) {
  format.setBorder(a.border_width);
  format.setCellPadding(a.cell_padding);
  format.setCellSpacing(a.cell_spacing);
  format.setWidth(a.width_percent > 0 ? QTextLength(QTextLength::PercentageLength, a.width_percent)
                                      : QTextLength(QTextLength::VariableLength, 0));
  format.setAlignment(qt_table_alignment(a.alignment));
}

QTextTable* split_table(QTextTable& table, int row) {
  const int rows = table.rows(), columns = table.columns();
  std::vector<MovedCell> moved;
  for (int c = 0; c < columns;) {
    const QTextTableCell cell = table.cellAt(row, c);
    if (cell.row() < row) {
      const int below = cell.row() + cell.rowSpan() - row;
      moved.push_back({0, c, below, cell.columnSpan(), {}});
      table.splitCell(cell.row(), cell.column(), row - cell.row(), cell.columnSpan());
    }
    c += cell.columnSpan();
  }
  for (int r = row; r < rows; ++r)
    for (int c = 0; c < columns; ++c) {
      const QTextTableCell cell = table.cellAt(r, c);
      if (cell.row() == r && cell.column() == c)
        moved.push_back({r - row, c, cell.rowSpan(), cell.columnSpan(), cell_runs(cell)});
    }
  const QTextTableFormat format = table.format();
  table.removeRows(row, rows - row);
  QTextCursor cursor(table.document());
  cursor.setPosition(table.lastPosition() + 1);
  cursor.insertBlock();
  QTextTable* lower = cursor.insertTable(rows - row, columns, format);
  for (const MovedCell& cell : moved) {
    if (cell.rows > 1 || cell.columns > 1) lower->mergeCells(cell.row, cell.column, cell.rows, cell.columns);
    write_cell(lower->cellAt(cell.row, cell.column), cell.text);
  }
  return lower;
}

}  // namespace quilm
