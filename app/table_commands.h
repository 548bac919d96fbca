// The Table menu's commands on the table at the caret, written against the
// editor interface: the window only calls them and shows their messages.
#pragma once

#include <string>

#include "common/status.h"
#include "editor/editor.h"

namespace quilm {

// The message of a column the editor will not insert.
inline constexpr const char* kColumnCannotBeInserted = "COLUMN  CANNOT BE INSERTED";

// Left of / above the caret's cell, or right of / below it.
enum class TableSide { Before, After };

// One column beside the caret's column; kColumnCannotBeInserted when the
// editor does not allow it (no table, or the table is as wide as it may be).
Status insert_table_column(Editor& editor, TableSide side);
// One row above or below the caret's row.
Status insert_table_row(Editor& editor, TableSide side);
// The table at the caret, selected whole and deleted.
Status delete_table(Editor& editor);
// The rows (columns) the selection reaches, from the caret's cell to the
// cell of the selection's end; all of them take the whole table.
Status delete_table_rows(Editor& editor);
Status delete_table_columns(Editor& editor);
// The table cut above or below the caret's row.
Status split_table(Editor& editor, TableSide side);

enum class TablePart { Table, Row, Cell };
// Selects the table at the caret, the caret's row or its cell by SelStart and
// SelLength from the cells' positions; false when the caret is in no table.
bool select_table_part(Editor& editor, TablePart part);

// The numbers of the table attribute dialog as typed.
struct TableAttributeTexts {
  std::string border_width, cell_padding, cell_spacing, width_percent;
};
// Reads the typed numbers into `attributes` (alignment kept); a field that
// is no whole number or out of its range gives a message naming it, and
// `attributes` stays as it was.
Status read_table_attributes(const TableAttributeTexts& texts, TableAttributes& attributes);

}  // namespace quilm
