// What the editor interface says about the shape and look of a table: where
// a cell lies, how large a table may grow, and the attributes the table
// attribute dialog sets. Rows and columns count from 0.
#pragma once

namespace quilm {

// The most rows and columns a table may have; inserting past them fails.
inline constexpr int kMaxTableRows = 32767;
inline constexpr int kMaxTableColumns = 63;

// A cell by its row and column. A merged cell is named by its first row and
// column.
struct TableCellIndex {
  int row = 0, column = 0;
  bool operator==(const TableCellIndex&) const = default;
};

// The characters [start, start + length) of a stretch of the document.
struct TextRange {
  int start = 0, length = 0;
  int end() const { return start + length; }
  bool operator==(const TextRange&) const = default;
};

enum class TableAlignment : int { Left = 0, Center = 1, Right = 2 };

// How a table is drawn. Sizes in points; a width of 0 lets the table be as
// wide as its text needs, otherwise it is that percent of the text width.
struct TableAttributes {
  static constexpr int kMaxBorder = 20, kMaxPadding = 72, kMaxSpacing = 72, kMaxWidthPercent = 100;
  int border_width = 1;
  int cell_padding = 2;
  int cell_spacing = 0;
  int width_percent = 0;
  TableAlignment alignment = TableAlignment::Left;
  bool operator==(const TableAttributes&) const = default;
};

}  // namespace quilm
