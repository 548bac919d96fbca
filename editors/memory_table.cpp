#include "editors/memory_table.h"

#include "editor/run_list.h"

namespace quilm {
namespace {

int paragraph_end(const ParagraphIndex& paragraphs, int paragraph) {
  return paragraph + 1 < paragraphs.count() ? paragraphs.start_of(paragraph + 1) - 1 : paragraphs.text_length();
}

// The number of cells of a paragraph; 0 when it is no row.
int cells_of_paragraph(const std::vector<TextRun>& runs, const ParagraphIndex& paragraphs, int paragraph) {
  int cells = 0;
  for (const TextRun& run : slice_runs(runs, paragraphs.start_of(paragraph), paragraph_end(paragraphs, paragraph)))
    for (char16_t c : run.text) cells += c == kCellEnd;
  return cells;
}

bool holds(const TableCell& cell, char16_t c) {
  for (const TextRun& run : cell)
    if (run.text.find(c) != std::u16string::npos) return true;
  return false;
}

}  // namespace

std::optional<TableSpan> table_span_at(const std::vector<TextRun>& runs, const ParagraphIndex& paragraphs,
                                       int position) {
  const int here = paragraphs.paragraph_of(position);
  const int cells = cells_of_paragraph(runs, paragraphs, here);
  if (cells == 0) return std::nullopt;
  int first = here, last = here;
  while (first > 0 && cells_of_paragraph(runs, paragraphs, first - 1) == cells) --first;
  while (last + 1 < paragraphs.count() && cells_of_paragraph(runs, paragraphs, last + 1) == cells) ++last;
  return TableSpan{paragraphs.start_of(first), paragraph_end(paragraphs, last)};
}

TableCells cells_in(const std::vector<TextRun>& runs, const TableSpan& span) {
  TableCells table;
  table.rows.emplace_back();
  TableCell cell;
  for (TextRun& run : slice_runs(runs, span.start, span.end)) {
    std::u16string piece;
    const auto flush_piece = [&] {
      if (!piece.empty()) cell.push_back({std::move(piece), run.format});
      piece.clear();
    };
    for (char16_t c : run.text) {
      if (c == kCellEnd) {
        flush_piece();
        table.rows.back().push_back(std::move(cell));
        cell.clear();
      } else if (c == kParagraphBreak) {
        flush_piece();
        cell.clear();  // text after a row's last mark belongs to no cell
        table.rows.emplace_back();
      } else {
        piece.push_back(c);
      }
    }
    flush_piece();
  }
  return table;
}

std::vector<TextRun> table_runs(const TableCells& cells, const CharFormat& empty) {
  std::vector<TextRun> runs;
  for (std::size_t r = 0; r < cells.rows.size(); ++r) {
    if (r > 0) runs.push_back({std::u16string(1, kParagraphBreak), runs.empty() ? empty : runs.back().format});
    for (const TableCell& cell : cells.rows[r]) {
      runs.insert(runs.end(), cell.begin(), cell.end());
      runs.push_back({std::u16string(1, kCellEnd), cell.empty() ? empty : cell.back().format});
    }
  }
  merge_runs(runs);
  return runs;
}

bool fits_table(const TableCells& cells, const TableCells& shape) {
  if (cells.rows.size() != shape.rows.size()) return false;
  for (std::size_t r = 0; r < cells.rows.size(); ++r) {
    if (cells.rows[r].size() != shape.rows[r].size()) return false;
    for (const TableCell& cell : cells.rows[r])
      if (holds(cell, kParagraphBreak) || holds(cell, kCellEnd)) return false;
  }
  return true;
}

}  // namespace quilm

namespace quilm {

int cell_length(const TableCells& cells, TableCellIndex cell) {
  int length = 0;
  for (const TextRun& run : cells.rows[static_cast<std::size_t>(cell.row)][static_cast<std::size_t>(cell.column)])
    length += static_cast<int>(run.text.size());
  return length;
}

int cell_position(const TableCells& cells, int table_start, TableCellIndex cell) {
  int position = table_start;
  for (int r = 0; r < cell.row; ++r) {
    for (int c = 0; c < static_cast<int>(cells.rows[static_cast<std::size_t>(r)].size()); ++c)
      position += cell_length(cells, {r, c}) + 1;  // the text and its cell mark
    ++position;                                    // the row's paragraph break
  }
  for (int c = 0; c < cell.column; ++c) position += cell_length(cells, {cell.row, c}) + 1;
  return position;
}

TableCells with_rows_inserted(TableCells cells, int row, int count) {
  const std::vector<TableCell> empty_row(cells.rows.front().size());
  cells.rows.insert(cells.rows.begin() + row, static_cast<std::size_t>(count), empty_row);
  return cells;
}

TableCells with_columns_inserted(TableCells cells, int column, int count) {
  for (auto& r : cells.rows) r.insert(r.begin() + column, static_cast<std::size_t>(count), TableCell{});
  return cells;
}

TableCells with_rows_removed(TableCells cells, int row, int count) {
  cells.rows.erase(cells.rows.begin() + row, cells.rows.begin() + row + count);
  return cells;
}

TableCells with_columns_removed(TableCells cells, int column, int count) {
  for (auto& r : cells.rows) r.erase(r.begin() + column, r.begin() + column + count);
  return cells;
}

}  // namespace quilm
