#include "sort/table_sort.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numeric>

#include "sort/sort_key.h"

namespace quilm {
namespace {

struct CellKey {
  Bytes text;
  double number = 0;
};

double number_of(const Bytes& text) {
  const std::string s(text);
  char* end = nullptr;
  const double value = std::strtod(s.c_str(), &end);
  if (end == s.c_str() || !std::isfinite(value)) return 0;
  return value;
}

CellKey key_of(const SortCell& cell, SortKeyType type, const FontConverter& converter) {
  CellKey key;
  if (type == SortKeyType::Number) {
    key.number = number_of(cell.text);
  } else if (cell.font_index >= 0) {
    key.text = ConvertGurmukhiToSort(converter.to_pivot(cell.text, cell.font_index));
  } else {
    key.text = cell.text;
    for (char& c : key.text)
      if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return key;
}

int compare(const CellKey& a, const CellKey& b, const SortColumn& column) {
  int c = column.type == SortKeyType::Number ? (a.number < b.number ? -1 : a.number > b.number ? 1 : 0)
                                             : a.text.compare(b.text);
  c = (c > 0) - (c < 0);
  return column.descending ? -c : c;
}

const SortCell& cell_at(const std::vector<SortCell>& row, std::size_t column) {
  static const SortCell kEmpty;
  return column < row.size() ? row[column] : kEmpty;
}

}  // namespace

Status table_row_order(const std::vector<std::vector<SortCell>>& rows, const TableSortRequest& request,
                       const FontConverter& converter, std::vector<std::size_t>& order) {
  if (!request.by) return Status::Error(kSelectSortColumn);
  const std::size_t first = request.header ? 1 : 0;
  if (rows.size() <= first + 1) return Status::Error(kAddMoreRows);
  std::vector<CellKey> by, then;
  for (std::size_t r = first; r < rows.size(); ++r) {
    by.push_back(key_of(cell_at(rows[r], request.by->column), request.by->type, converter));
    if (request.then) then.push_back(key_of(cell_at(rows[r], request.then->column), request.then->type, converter));
  }
  std::vector<std::size_t> data(rows.size() - first);
  std::iota(data.begin(), data.end(), 0);
  std::stable_sort(data.begin(), data.end(), [&](std::size_t a, std::size_t b) {
    const int c = compare(by[a], by[b], *request.by);
    if (c != 0 || !request.then) return c < 0;
    return compare(then[a], then[b], *request.then) < 0;
  });
  order.clear();
  if (request.header) order.push_back(0);
  for (std::size_t i : data) order.push_back(i + first);
  return Status::Ok();
}

}  // namespace quilm
