// "Sort..." of the Table menu on the editor's table at the insertion point,
// written once against the editor interface: the cells are read with their
// formats, the rows ordered by table_row_order (sort/table_sort.h) and
// written back whole, so every cell keeps its own text, font and style.
//
// A cell is keyed in its own font: glyph codes of a Gurmukhi font through
// that font's reader, Unicode Gurmukhi through the Unicode reader, anything
// else as text without regard to case.
#pragma once

#include <string>
#include <vector>

#include "common/status.h"
#include "editor/editor.h"
#include "fonts/conversion.h"
#include "fonts/registry.h"
#include "sort/table_sort.h"

namespace quilm {

inline constexpr const char* kNoTableSelected = "No table selected";

SortCell sort_cell(const TableCell& cell, const FontRegistry& fonts);

// The texts of the first row's cells, for a list of column names.
std::vector<std::u16string> first_row_texts(const TableCells& table);

// Sorts the rows of the table that holds the caret, as one undo step. Fails
// with the program's message, changing nothing, when there is no table or
// nothing to sort.
Status sort_table_at_caret(Editor& editor, const TableSortRequest& request, const FontRegistry& fonts,
                           const FontConverter& converter);

}  // namespace quilm
