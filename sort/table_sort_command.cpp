#include "sort/table_sort_command.h"

#include "encoding/unicode_input.h"
#include "encoding/utf16.h"
#include "fonts/font_index.h"
#include "typing/caret_edits.h"

namespace quilm {
namespace {

std::u16string text_of_cell(const TableCell& cell) {
  std::u16string text;
  for (const TextRun& run : cell) text += run.text;
  return text;
}

bool has_gurmukhi(std::u16string_view text) {
  for (char16_t c : text)
    if (c >= 0x0A00 && c <= 0x0A7F) return true;
  return false;
}

}  // namespace

SortCell sort_cell(const TableCell& cell, const FontRegistry& fonts) {
  SortCell out;
  const std::u16string text = text_of_cell(cell);
  for (const TextRun& run : cell) {
    if (!fonts.check_font_punjabi(run.format.font_name)) continue;
    const int index = fonts.get_font_index(run.format.font_name);
    if (!convertible(index)) break;
    out.font_index = index;
    for (char16_t c : text) out.text.push_back(static_cast<char>(c & 0xFF));
    return out;
  }
  if (has_gurmukhi(text)) {
    out.text = UniCodetoGur(text);
    out.font_index = font_index::kPivot;
  } else {
    out.text = to_utf8(text);
  }
  return out;
}

std::vector<std::u16string> first_row_texts(const TableCells& table) {
  std::vector<std::u16string> texts;
  if (!table.rows.empty())
    for (const TableCell& cell : table.rows.front()) texts.push_back(text_of_cell(cell));
  return texts;
}

Status sort_table_at_caret(Editor& editor, const TableSortRequest& request, const FontRegistry& fonts,
                           const FontConverter& converter) {
  TableCells table;
  if (!editor.TableAtInputPos(table)) return Status::Error(kNoTableSelected);
  std::vector<std::vector<SortCell>> rows;
  for (const auto& row : table.rows) {
    rows.emplace_back();
    for (const TableCell& cell : row) rows.back().push_back(sort_cell(cell, fonts));
  }
  std::vector<std::size_t> order;
  if (Status ordered = table_row_order(rows, request, converter, order); !ordered.ok()) return ordered;
  TableCells sorted;
  for (std::size_t r : order) sorted.rows.push_back(table.rows[r]);
  const typing::WindowLock lock(editor);
  return editor.SetTableAtInputPos(sorted);
}

}  // namespace quilm
