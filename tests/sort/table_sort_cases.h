// The table sort on the table at the caret, written once against the editor
// interface and run on each editor: a test file instantiates
// TableSortOnEditor with a fixture type that has an `Editor& editor()`.
#pragma once

#include <gtest/gtest.h>

#include "editor/editor.h"
#include "fonts/conversion.h"
#include "fonts/registry.h"
#include "sort/table_sort_command.h"

namespace quilm::test {

template <typename EditorHolder>
class TableSortOnEditor : public ::testing::Test {
 protected:
  Editor& editor() { return holder_.editor(); }

  static CharFormat font(const char* name, bool bold = false) {
    CharFormat f;
    f.font_name = name;
    f.bold = bold;
    return f;
  }
  static TableCell cell(const std::u16string& text, const CharFormat& format) {
    if (text.empty()) return {};
    return {TextRun{text, format}};
  }
  // A table of one column per entry of each row, every cell in `format`.
  void make_table(const std::vector<std::vector<std::u16string>>& texts, const CharFormat& format) {
    editor().InsertTable(static_cast<int>(texts.size()), static_cast<int>(texts.front().size()));
    TableCells cells;
    for (const auto& row : texts) {
      cells.rows.emplace_back();
      for (const auto& text : row) cells.rows.back().push_back(cell(text, format));
    }
    ASSERT_TRUE(editor().SetTableAtInputPos(cells).ok());
  }
  std::vector<std::u16string> column(std::size_t c) {
    TableCells t;
    EXPECT_TRUE(editor().TableAtInputPos(t));
    std::vector<std::u16string> out;
    for (const auto& row : t.rows) {
      std::u16string text;
      for (const TextRun& run : row[c]) text += run.text;
      out.push_back(text);
    }
    return out;
  }
  Status sort(TableSortRequest request) { return sort_table_at_caret(editor(), request, fonts_, converter_); }

  EditorHolder holder_;
  FontRegistry fonts_;
  ConversionContext context_;
  FontConverter converter_{context_};
};

TYPED_TEST_SUITE_P(TableSortOnEditor);

TYPED_TEST_P(TableSortOnEditor, CellsReadBackWithTheirFormats) {
  this->editor().SetSelText(u"before");
  this->editor().InsertTable(2, 2);
  TableCells cells;
  ASSERT_TRUE(this->editor().TableAtInputPos(cells));
  ASSERT_EQ(cells.rows.size(), 2u);
  ASSERT_EQ(cells.rows[0].size(), 2u);
  EXPECT_TRUE(cells.rows[0][0].empty());
  cells.rows[0][0] = {TextRun{u"pMjwb", this->font("AnmolLipi", true)}, TextRun{u" x", this->font("Arial")}};
  cells.rows[1][1] = this->cell(u"kw", this->font("AnmolLipi"));
  ASSERT_TRUE(this->editor().SetTableAtInputPos(cells).ok());
  TableCells back;
  ASSERT_TRUE(this->editor().TableAtInputPos(back));
  EXPECT_EQ(back, cells);
  cells.rows.pop_back();
  EXPECT_FALSE(this->editor().SetTableAtInputPos(cells).ok()) << "a table keeps its shape";
}

TYPED_TEST_P(TableSortOnEditor, NoTableAtTheCaretIsReportedAndNothingChanges) {
  this->editor().SetSelText(u"text");
  TableCells cells;
  EXPECT_FALSE(this->editor().TableAtInputPos(cells));
  const Status status = this->sort({SortColumn{0}, {}, false});
  EXPECT_EQ(status.message(), kNoTableSelected);
  EXPECT_EQ(this->editor().Text(), u"text");
}

TYPED_TEST_P(TableSortOnEditor, GurmukhiRowsSortUnderAHeaderThatKeepsItsOwnFont) {
  this->make_table({{u"Name", u"n"}, {u"pMjwb", u"1"}, {u"kw", u"2"}, {u"Gr", u"3"}}, this->font("AnmolLipi"));
  TableCells cells;
  ASSERT_TRUE(this->editor().TableAtInputPos(cells));
  cells.rows[0][0] = this->cell(u"Name", this->font("Arial", true));  // an English header over Gurmukhi cells
  ASSERT_TRUE(this->editor().SetTableAtInputPos(cells).ok());
  const int in_table = this->editor().SelStart();
  ASSERT_TRUE(this->sort({SortColumn{0}, {}, true}).ok());
  // ਕਾ, ਘਰ, ਪੰਜਾਬ: the Gurmukhi order, not the order of the glyph codes
  EXPECT_EQ(this->column(0), (std::vector<std::u16string>{u"Name", u"kw", u"Gr", u"pMjwb"}));
  EXPECT_EQ(this->column(1), (std::vector<std::u16string>{u"n", u"2", u"3", u"1"})) << "rows move whole";
  ASSERT_TRUE(this->editor().TableAtInputPos(cells));
  EXPECT_EQ(cells.rows[0][0].front().format, this->font("Arial", true)) << "the header keeps its font";
  this->editor().Undo();
  this->editor().SetSelStart(in_table);  // an editor may put the caret where the undone change began
  EXPECT_EQ(this->column(0), (std::vector<std::u16string>{u"Name", u"pMjwb", u"kw", u"Gr"})) << "one undo step";
}

TYPED_TEST_P(TableSortOnEditor, NumbersSortByValueAndTooFewRowsAreRefused) {
  this->make_table({{u"10"}, {u"9"}, {u"x"}}, this->font("Arial"));
  ASSERT_TRUE(this->sort({SortColumn{0, SortKeyType::Number}, {}, false}).ok());
  EXPECT_EQ(this->column(0), (std::vector<std::u16string>{u"x", u"9", u"10"}));
  ASSERT_TRUE(this->sort({SortColumn{0, SortKeyType::Number, true}, {}, false}).ok());
  EXPECT_EQ(this->column(0), (std::vector<std::u16string>{u"10", u"9", u"x"}));
  EXPECT_EQ(this->sort({std::nullopt, {}, false}).message(), kSelectSortColumn);
}

TYPED_TEST_P(TableSortOnEditor, AHeaderAndOneRowIsTooFewToSort) {
  this->make_table({{u"Head"}, {u"b"}}, this->font("Arial"));
  EXPECT_EQ(this->sort({SortColumn{0}, {}, true}).message(), kAddMoreRows);
  EXPECT_EQ(this->column(0), (std::vector<std::u16string>{u"Head", u"b"}));
}

REGISTER_TYPED_TEST_SUITE_P(TableSortOnEditor, CellsReadBackWithTheirFormats,
                            NoTableAtTheCaretIsReportedAndNothingChanges,
                            GurmukhiRowsSortUnderAHeaderThatKeepsItsOwnFont,
                            NumbersSortByValueAndTooFewRowsAreRefused, AHeaderAndOneRowIsTooFewToSort);

}  // namespace quilm::test
