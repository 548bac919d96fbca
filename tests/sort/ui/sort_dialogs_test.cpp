// The sorting dialogs offscreen, and the table sort on the Qt editor's
// tables (the cases every editor runs): "Sort File" proposes a target beside
// its source and asks before replacing one; "Sort..." lists the columns by
// number or header and sorts the table at the caret.
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextEdit>
#include <gtest/gtest.h>

#include "editors/ui/qt_editor.h"
#include "sort/ui/sort_file_dialog.h"
#include "sort/ui/table_sort_dialog.h"
#include "tests/sort/table_sort_cases.h"
#include "tests/support/fake_file_dialogs.h"
#include "tests/support/fake_prompter.h"
#include "tests/support/temp_dir.h"

namespace quilm::test {
namespace {

struct QtEditorHolder {
  QTextEdit widget;
  QtEditor qt{&widget};
  Editor& editor() { return qt; }
};

INSTANTIATE_TYPED_TEST_SUITE_P(Qt, TableSortOnEditor, QtEditorHolder);

struct SortDialogs : ::testing::Test {
  FontRegistry fonts;
  FakePrompter prompter;
  FakeFileDialogs dialogs;
  TempDir dir;
};

TEST_F(SortDialogs, SortFileWritesTheLinesInGurmukhiOrderBesideItsSource) {
  dir.write("words.txt", "ਕਰ\nਸਰ\nੳਠ");
  ui::SortFileDialog dialog(fonts, prompter, dialogs);
  EXPECT_FALSE(dialog.sort_button()->isEnabled());
  dialogs.choose(dir / "words.txt");
  dialog.SourceBrowseClick();
  EXPECT_EQ(dialog.target_file()->text().toStdString(), (dir / "words-sorted.txt").string());
  ASSERT_TRUE(dialog.sort_button()->isEnabled());
  dialog.font_list()->setCurrentText("Unicode");
  dialog.SortClick();
  EXPECT_EQ(dir.read("words-sorted.txt"), "ੳਠ\nਸਰ\nਕਰ\n") << "ੳ ਅ ੲ ਸ ਹ ਕ, not the order of the code points";
  EXPECT_EQ(dir.read("words.txt"), "ਕਰ\nਸਰ\nੳਠ") << "the source stays";
  EXPECT_EQ(prompter.captions, (std::vector<std::string>{ui::kSortingCaption, ""}));

  dialog.descending()->setChecked(true);
  prompter.answers = {Answer::No};
  dialog.SortClick();
  EXPECT_EQ(prompter.questions, std::vector<std::string>{kReplaceQuestion});
  EXPECT_EQ(dir.read("words-sorted.txt"), "ੳਠ\nਸਰ\nਕਰ\n") << "No keeps the target";
}

struct TableSortDialogTest : ::testing::Test {
  QTextEdit widget;
  QtEditor editor{&widget};
  FontRegistry fonts;
  FakePrompter prompter;
  ui::TableSortDialog dialog{fonts, editor, prompter};

  void make_table(const std::vector<std::vector<std::u16string>>& texts) {
    editor.InsertTable(static_cast<int>(texts.size()), static_cast<int>(texts.front().size()));
    TableCells cells;
    CharFormat f;
    f.font_name = "Arial";
    for (const auto& row : texts) {
      cells.rows.emplace_back();
      for (const auto& text : row) cells.rows.back().push_back({TextRun{text, f}});
    }
    ASSERT_TRUE(editor.SetTableAtInputPos(cells).ok());
  }
  std::vector<QString> items(QComboBox* list) const {
    std::vector<QString> out;
    for (int i = 0; i < list->count(); ++i) out.push_back(list->itemText(i));
    return out;
  }
};

TEST_F(TableSortDialogTest, ColumnsAreListedByNumberOrByHeaderAndTheTableSorts) {
  make_table({{u"Name", u"Count"}, {u"b", u"2"}, {u"a", u"10"}, {u"c", u"9"}});
  ASSERT_TRUE(dialog.prepare());
  EXPECT_EQ(items(dialog.sort_by()), (std::vector<QString>{"1", "2"}));
  EXPECT_EQ(items(dialog.then_by()), (std::vector<QString>{"1", "2", "none"}));
  EXPECT_EQ(dialog.then_by()->currentText(), "none");
  dialog.header_row()->setChecked(true);
  EXPECT_EQ(items(dialog.sort_by()), (std::vector<QString>{"Name", "Count"}));
  dialog.sort_by()->setCurrentIndex(1);
  dialog.sort_by_type()->setCurrentIndex(1);  // "Number"
  dialog.sort_by_descending()->setChecked(true);
  dialog.OKClick();
  TableCells t;
  ASSERT_TRUE(editor.TableAtInputPos(t));
  std::vector<std::u16string> names;
  for (const auto& row : t.rows) names.push_back(row[0].empty() ? u"" : row[0].front().text);
  EXPECT_EQ(names, (std::vector<std::u16string>{u"Name", u"a", u"c", u"b"}));
  EXPECT_TRUE(prompter.silent());
}

TEST_F(TableSortDialogTest, NoTableAtTheCaretIsSaid) {
  editor.SetSelText(u"no table");
  EXPECT_FALSE(dialog.prepare());
  EXPECT_EQ(prompter.messages, std::vector<std::string>{kNoTableSelected});
}

}  // namespace
}  // namespace quilm::test
