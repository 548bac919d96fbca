#include "editors/ui/qt_table.h"

#include <QTextBlock>
#include <QTextCursor>

#include "editor/run_list.h"
#include "editors/ui/qt_text.h"

namespace quilm {
namespace {

void append_run(TableCell& cell, std::u16string text, const CharFormat& format) {
  if (!text.empty()) cell.push_back({std::move(text), format});
}

// The runs of the characters [from, to) of `doc`, blocks separated by breaks.
TableCell runs_between(const QTextDocument& doc, int from, int to) {
  TableCell cell;
  for (QTextBlock block = doc.findBlock(from); block.isValid() && block.position() <= to; block = block.next()) {
    if (block.position() > from) append_run(cell, std::u16string(1, kParagraphBreak), cell.empty() ? CharFormat() : cell.back().format);
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      const QTextFragment fragment = it.fragment();
      const int start = std::max(fragment.position(), from);
      const int end = std::min(fragment.position() + fragment.length(), to);
      if (start >= end) continue;
      append_run(cell, to_u16(fragment.text().mid(start - fragment.position(), end - start)),
                 to_char_format(fragment.charFormat()));
    }
  }
  merge_runs(cell);
  return cell;
}

QString text_for_qt(std::u16string_view text) {
  QString s = to_qstring(text);
  s.replace(QChar(kParagraphBreak), QChar('\n'));
  return s;
}

}  // namespace

TableCells table_cells(const QTextTable& table) {
  TableCells cells;
  for (int r = 0; r < table.rows(); ++r) {
    cells.rows.emplace_back();
    for (int c = 0; c < table.columns(); ++c) {
      cells.rows.back().push_back(cell_runs(table.cellAt(r, c)));
    }
  }
  return cells;
}

bool fits_table(const QTextTable& table, const TableCells& cells) {
  if (static_cast<int>(cells.rows.size()) != table.rows()) return false;
  for (const auto& row : cells.rows)
    if (static_cast<int>(row.size()) != table.columns()) return false;
  return true;
}

void write_table_cells(QTextTable& table, const TableCells& cells) {
  for (int r = 0; r < table.rows(); ++r)
    for (int c = 0; c < table.columns(); ++c)
      write_cell(table.cellAt(r, c), cells.rows[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)]);
}

TableCell cell_runs(const QTextTableCell& cell) {
  return runs_between(*cell.firstCursorPosition().document(), cell.firstCursorPosition().position(),
                      cell.lastCursorPosition().position());
}

void write_cell(const QTextTableCell& cell, const TableCell& runs) {
  QTextCursor cursor = cell.firstCursorPosition();
  cursor.setPosition(cell.lastCursorPosition().position(), QTextCursor::KeepAnchor);
  cursor.removeSelectedText();
  for (const TextRun& run : runs) cursor.insertText(text_for_qt(run.text), to_qt_format(run.format));
}

}  // namespace quilm
