// Table sort: text and number keys, a second key, a header row, rows that
// move whole with each cell read in its own font, and cells that are no
// numbers.
#include <gtest/gtest.h>

#include "sort/table_sort.h"

namespace quilm {
namespace {

class TableSortTest : public ::testing::Test {
 protected:
  std::vector<std::size_t> order(const std::vector<std::vector<SortCell>>& rows, const TableSortRequest& request) {
    std::vector<std::size_t> out;
    const Status status = table_row_order(rows, request, converter_, out);
    EXPECT_TRUE(status.ok()) << status.message();
    return out;
  }
  ConversionContext context_;
  FontConverter converter_{context_};
};

std::vector<std::vector<SortCell>> column(std::initializer_list<const char*> cells, int font = -1) {
  std::vector<std::vector<SortCell>> rows;
  for (const char* c : cells) rows.push_back({{c, font}});
  return rows;
}

TEST_F(TableSortTest, NumbersThatAreNoNumbersCountAsZeroAndNoRowIsLost) {
  const TableSortRequest by_number{SortColumn{0, SortKeyType::Number, false}, std::nullopt, false};
  EXPECT_EQ(order(column({"10", "9", "x"}), by_number), (std::vector<std::size_t>{2, 1, 0}));
  EXPECT_EQ(order(column({"3", "nan", "1", "2"}), by_number), (std::vector<std::size_t>{1, 2, 3, 0}));
  EXPECT_EQ(order(column({"inf", "-1"}), by_number), (std::vector<std::size_t>{1, 0}));
}

TEST_F(TableSortTest, GurmukhiCellsByCollationInTheirOwnFont) {
  // An Arial header over pivot cells: the header stays, the cells sort as ਕਾ, ਕ, ੲ would.
  std::vector<std::vector<SortCell>> rows = {{{"Word", -1}}, {{"ek", 9}}, {{"e", 9}}, {{"J", 9}}};
  const TableSortRequest request{SortColumn{}, std::nullopt, true};
  EXPECT_EQ(order(rows, request), (std::vector<std::size_t>{0, 3, 2, 1}));
}

TEST_F(TableSortTest, OtherTextIgnoresCaseAndEqualRowsKeepTheirOrder) {
  const TableSortRequest request{SortColumn{}, std::nullopt, false};
  EXPECT_EQ(order(column({"b", "A", "a", "B"}), request), (std::vector<std::size_t>{1, 2, 0, 3}));
}

TEST_F(TableSortTest, SecondKeyDecidesBetweenEqualFirstKeys) {
  const std::vector<std::vector<SortCell>> rows = {{{"x", -1}, {"1", -1}}, {{"x", -1}, {"2", -1}}, {{"a", -1}, {"0", -1}}};
  const TableSortRequest request{SortColumn{}, SortColumn{1, SortKeyType::Number, true}, false};
  EXPECT_EQ(order(rows, request), (std::vector<std::size_t>{2, 1, 0}));
}

TEST_F(TableSortTest, TooFewRowsOrNoColumn) {
  std::vector<std::size_t> out;
  EXPECT_EQ(table_row_order(column({"h", "a"}), {SortColumn{}, std::nullopt, true}, converter_, out).message(),
            kAddMoreRows);
  EXPECT_EQ(table_row_order(column({"a"}), {SortColumn{}, std::nullopt, false}, converter_, out).message(),
            kAddMoreRows);
  EXPECT_EQ(table_row_order(column({"a", "b"}), {}, converter_, out).message(), kSelectSortColumn);
}

}  // namespace
}  // namespace quilm
