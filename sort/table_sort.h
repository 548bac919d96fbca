// Table sort ("Sort..." of the Table menu): the order of a table's data rows
// by one column and optionally a second, each as text or as numbers,
// ascending or descending. A Gurmukhi cell is compared by the collation key
// of its pivot form, read from the cell's own font; other text without
// regard to ASCII case; a number cell by its value, 0 when it holds no
// finite number ("x", "nan", "inf"). Rows keep their order when their keys
// are equal, and every row moves whole, so each cell keeps its own text and
// formatting.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "common/bytes.h"
#include "common/status.h"
#include "fonts/conversion.h"

namespace quilm {

enum class SortKeyType { Text, Number };

struct SortColumn {
  std::size_t column = 0;  // from 0
  SortKeyType type = SortKeyType::Text;
  bool descending = false;
};

struct TableSortRequest {
  std::optional<SortColumn> by;  // "Sort  By "; none: "Select some column for sorting"
  std::optional<SortColumn> then;  // "Then By", none for "none"
  bool header = false;             // "My List Has  " "Header Row"
};

// A cell as the sort reads it: its text and the font index of its font
// (-1 when the font is not a Gurmukhi font).
struct SortCell {
  Bytes text;
  int font_index = -1;
};

inline constexpr const char* kSelectSortColumn = "Select some column for sorting";
inline constexpr const char* kAddMoreRows = "ADD MORE ROWS FOR SORTING";

// The new order of all rows of the table (a header row stays first) as
// positions of the old rows; an error with the program's message when there
// is nothing to sort. Rows shorter than a key column have an empty cell there.
Status table_row_order(const std::vector<std::vector<SortCell>>& rows, const TableSortRequest& request,
                       const FontConverter& converter, std::vector<std::size_t>& order);

}  // namespace quilm
