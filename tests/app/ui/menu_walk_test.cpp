// Every item of the main window's menus, offscreen: each one does something or
// is disabled with its reason as the status hint, and triggering every enabled
// one on a small document, with each modal dialog closed, crashes nothing.
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <gtest/gtest.h>
#include <functional>
#include <memory>
#include <vector>

#include "app/ui/main_form.h"
#include "tests/app/ui/ready_data_folder.h"
#include "tests/support/fake_file_dialogs.h"
#include "tests/support/fake_prompter.h"

namespace quilm::ui {
namespace {

struct MenuWindow {
  test::ReadyDataFolder data;
  test::FakePrompter prompter;
  test::FakeFileDialogs file_dialogs;  // every file dialog is cancelled
  std::unique_ptr<TMainForm> form;

  MenuWindow() {
    form = std::make_unique<TMainForm>(data.dir.path(), &prompter, &file_dialogs);
    form->show();
    QApplication::processEvents();
  }
  ~MenuWindow() {
    prompter.answers = {Answer::No};
    form->close();
  }
  QMenu* menu(const char* name) const { return form->menuBar()->findChild<QMenu*>(name); }
  QAction* action(const char* name) const { return form->findChild<QAction*>(name); }
};

// The signal connections of an action, read through QObject's protected
// receivers(): a class derived from QObject may name that member, and the
// pointer to it is then called on any QObject.
struct ActionProbe : QObject {
  static int connections(const QAction* a) {
    int (QObject::*receivers_of)(const char*) const = &ActionProbe::receivers;
    return (a->*receivers_of)(SIGNAL(triggered(bool))) + (a->*receivers_of)(SIGNAL(toggled(bool)));
  }
};
int connections(const QAction* a) { return ActionProbe::connections(a); }

// The connections that the menus, bars and buttons showing `a` make to it by
// themselves, measured on a fresh action shown in the same kinds of places.
int own_connections_of_places(const QAction* a) {
  QAction fresh;
  std::vector<std::unique_ptr<QWidget>> places;
  for (QObject* o : a->associatedObjects()) {
    if (qobject_cast<QMenu*>(o)) {
      places.push_back(std::make_unique<QMenu>());
    } else if (qobject_cast<QToolBar*>(o)) {
      places.push_back(std::make_unique<QToolBar>());
    } else if (qobject_cast<QToolBar*>(o->parent())) {
      continue;  // the button the bar made, which the fresh bar makes too
    } else if (qobject_cast<QToolButton*>(o)) {
      auto button = std::make_unique<QToolButton>();
      button->setDefaultAction(&fresh);
      places.push_back(std::move(button));
      continue;
    } else if (qobject_cast<QWidget*>(o)) {
      places.push_back(std::make_unique<QWidget>());
    } else {
      continue;
    }
    places.back()->addAction(&fresh);
  }
  return connections(&fresh);
}

bool does_something(const QAction* a) { return connections(a) > own_connections_of_places(a); }

// The items of `menu` and its submenus, submenus left out.
void collect_items(const QMenu* menu, std::vector<QAction*>& items) {
  for (QAction* a : menu->actions()) {
    if (a->isSeparator()) continue;
    if (a->menu())
      collect_items(a->menu(), items);
    else
      items.push_back(a);
  }
}

std::vector<QAction*> menu_items(const QMenuBar& bar) {
  std::vector<QAction*> items;
  for (QAction* top : bar.actions())
    if (top->menu()) collect_items(top->menu(), items);
  return items;
}

// Closes whatever modal window a command opens, as soon as it shows.
class ModalCloser {
 public:
  ModalCloser() {
    QObject::connect(&timer_, &QTimer::timeout, [] {
      QWidget* modal = QApplication::activeModalWidget();
      if (!modal) return;
      if (auto* dialog = qobject_cast<QDialog*>(modal))
        dialog->reject();
      else
        modal->close();
    });
    timer_.start(20);
  }

 private:
  QTimer timer_;
};

TEST(MenuWalk, TheProbeTellsAPlaceholderFromACommand) {
  QMenu menu;
  QAction* placeholder = menu.addAction("placeholder");
  QAction* command = menu.addAction("command", [] {});
  EXPECT_FALSE(does_something(placeholder));
  EXPECT_TRUE(does_something(command));
}

TEST(MenuWalk, EveryItemDoesSomethingOrSaysWhyNot) {
  MenuWindow w;
  ASSERT_FALSE(w.form->startup_failed());
  w.form->editor().SetSelText(u"one two\rthree");
  w.form->editor().Select(0, 3);
  const std::vector<QAction*> items = menu_items(*w.form->menuBar());
  ASSERT_GT(items.size(), 60u);
  ModalCloser closer;
  for (QAction* a : items) {
    SCOPED_TRACE(a->objectName().toStdString() + " \"" + a->text().toStdString() + "\"");
    const bool wired = does_something(a);
    EXPECT_TRUE(wired || (!a->isEnabled() && !a->statusTip().isEmpty()))
        << "neither connected nor disabled with a reason";
    if (!wired) continue;
    if (a->objectName() == "Exit1") continue;  // ends the program
    if (!a->isEnabled() || !a->isVisible()) continue;
    a->trigger();
    QApplication::processEvents();
  }
  EXPECT_TRUE(w.form->isVisible());
}

TEST(MenuWalk, TheMenusStandInTheirOrderWithTheirShortcuts) {
  MenuWindow w;
  QStringList titles;
  for (QAction* top : w.form->menuBar()->actions()) titles << top->text();
  EXPECT_EQ(titles, QStringList({"&File", "&Edit", "&Search", "&View", "&Insert", "F&ormat", "T&able",
                                 "&Punjabi Utilities", "&Tools", "&Help"}));
  const struct {
    const char* name;
    const char* caption;
    QKeySequence shortcut;
    const char* menu;
  } cases[] = {
      {"Redo1", "&Redo", QKeySequence(Qt::CTRL | Qt::Key_Y), "Edit1"},
      {"Undo1", "&Undo", QKeySequence(Qt::CTRL | Qt::Key_Z), "Edit1"},
      {"Cut1", "Cu&t", QKeySequence(Qt::CTRL | Qt::Key_X), "Edit1"},
      {"Copy1", "&Copy", QKeySequence(Qt::CTRL | Qt::Key_C), "Edit1"},
      {"Paste1", "&Paste", QKeySequence(Qt::CTRL | Qt::Key_V), "Edit1"},
      {"Delete1", "De&lete", QKeySequence(Qt::Key_Delete), "Edit1"},
      {"SelectAll1", "Select &All", QKeySequence(Qt::CTRL | Qt::Key_A), "Edit1"},
      {"SpellCheck1", "Spell Check", QKeySequence(Qt::Key_F7), "PunjabiUtilities1"},
      {"CurrentFile1", "Current File", QKeySequence(Qt::Key_F8), "PunjabiFontConvert1"},
      {"SortFile1", "Sort File", QKeySequence(), "PunjabiUtilities1"},
      {"PunjabiEnglishDictionary1", "Punjabi English Dictionary", QKeySequence(Qt::Key_F9), "PunjabiUtilities1"},
      {"EnglishPunjabiDictionary1", "English-Punjabi Dictionary", QKeySequence(Qt::Key_F10), "PunjabiUtilities1"},
      {"PunjabiAdministrativeTerms1", "Punjabi Administrative Terms", QKeySequence(Qt::Key_F11),
       "PunjabiUtilities1"},
      {"PunjabiPrefixandSuffixList1", "Punjabi Prefix and Suffix  List", QKeySequence(Qt::Key_F12),
       "PunjabiUtilities1"},
      {"PunjabiWritingPad1", "Punjabi Writing Pad", QKeySequence(Qt::Key_F3), "Tools1"},
      {"TransliterateRomantoGurmukhi1", "Transliterate Roman to Gurmukhi", QKeySequence(Qt::Key_F6), "Tools1"},
      {"FileStatistics1", "File Statistics...", QKeySequence(), "Tools1"},
      {"PageBreak1", "Page Break", QKeySequence(), "Insert1"},
      {"InsertTable1", "&Table...", QKeySequence(), "TableInsert1"},
      {"ColumnsLeft1", "Columns to the &Left", QKeySequence(), "TableInsert1"},
      {"ColumnsRight1", "Columns to the &Right", QKeySequence(), "TableInsert1"},
      {"RowsAbove1", "Rows &Above", QKeySequence(), "TableInsert1"},
      {"RowsBelow1", "Rows &Below", QKeySequence(), "TableInsert1"},
      {"DeleteTable1", "Table", QKeySequence(), "TableDelete1"},
      {"DeleteColumns1", "&Columns", QKeySequence(), "TableDelete1"},
      {"DeleteRows1", "&Rows", QKeySequence(), "TableDelete1"},
      {"SplitAbove1", "Above", QKeySequence(), "TableSplit1"},
      {"SplitBelow1", "Below", QKeySequence(), "TableSplit1"},
      {"SelectTable1", "Table", QKeySequence(), "TableSelect1"},
      {"SelectRow1", "Row", QKeySequence(), "TableSelect1"},
      {"SelectCell1", "Cell", QKeySequence(), "TableSelect1"},
      {"HideGridlines1", "Hide &Gridlines", QKeySequence(), "Table1"},
      {"TableAttributes1", "&Attributes...", QKeySequence(), "Table1"},
      {"ControlCharacters1", "Control Characters", QKeySequence(), "View1"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    QAction* a = w.action(c.name);
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->text(), c.caption);
    EXPECT_EQ(a->shortcut(), c.shortcut);
    QMenu* menu = w.menu(c.menu);
    ASSERT_NE(menu, nullptr);
    EXPECT_TRUE(menu->actions().contains(a));
  }
  EXPECT_TRUE(w.menu("PunjabiUtilities1")->actions().contains(w.menu("PunjabiFontConvert1")->menuAction()));
}

TEST(MenuWalk, OpeningAMenuEnablesWhatTheDocumentAllows) {
  MenuWindow w;
  const struct {
    const char* menu;
    const char* item;
  } need_text[] = {{"Search1", "Find1"},
                   {"Search1", "Replace1"},
                   {"PunjabiUtilities1", "SpellCheck1"},
                   {"Tools1", "TransliteratetoRoman1"},
                   {"Tools1", "TransliteratetoDevanagri1"}};
  for (const bool has_text : {false, true}) {
    if (has_text) w.form->editor().SetSelText(u"text");
    for (const auto& c : need_text) {
      SCOPED_TRACE(std::string(c.item) + (has_text ? " with text" : " empty"));
      emit w.menu(c.menu)->aboutToShow();
      EXPECT_EQ(w.action(c.item)->isEnabled(), has_text);
      emit w.menu(c.menu)->aboutToHide();
      EXPECT_TRUE(w.action(c.item)->isEnabled()) << "the shortcut works again once the menu closes";
    }
  }
  emit w.menu("Edit1")->aboutToShow();
  EXPECT_TRUE(w.action("Undo1")->isEnabled());
  EXPECT_FALSE(w.action("Copy1")->isEnabled()) << "nothing is selected";
  EXPECT_FALSE(w.action("Delete1")->isEnabled());
  w.action("SelectAll1")->trigger();
  EXPECT_EQ(w.form->editor().SelLength(), 4);
  for (const char* item : {"Cut1", "Copy1", "Delete1"}) EXPECT_TRUE(w.action(item)->isEnabled()) << item;
  w.action("Delete1")->trigger();
  EXPECT_EQ(w.form->editor().TextLength(), 0);
  w.action("Undo1")->trigger();
  EXPECT_EQ(w.form->editor().Text(), u"text");
  emit w.menu("Edit1")->aboutToShow();
  EXPECT_TRUE(w.action("Redo1")->isEnabled());
}

TEST(MenuWalk, TheEditorPopupFollowsTheEditor) {
  MenuWindow w;
  w.form->editor().SetSelText(u"word");
  QTextEdit* edit = w.form->findChild<QTextEdit*>("richedit1");
  ASSERT_NE(edit, nullptr);
  QStringList captions;
  QStringList enabled;
  QTimer::singleShot(0, [&] {
    auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(popup, nullptr) << "the popup did not open";
    for (QAction* a : popup->actions()) {
      if (a->isSeparator()) continue;
      captions << a->text();
      if (a->isEnabled()) enabled << a->text();
    }
    // Select All from the popup selects the word, through the Edit menu's command.
    popup->actions()[5]->trigger();
    popup->close();
  });
  emit edit->customContextMenuRequested(QPoint(5, 5));
  EXPECT_EQ(captions.mid(0, 6), QStringList({"Undo", "Cut", "Copy", "Paste", "Delete", "Select All"}));
  EXPECT_EQ(captions.value(6), w.action("LanguageEnglish1")->text());
  EXPECT_TRUE(enabled.contains("Undo"));
  EXPECT_FALSE(enabled.contains("Copy")) << "nothing was selected";
  EXPECT_EQ(w.form->editor().SelLength(), 4);
}

// The Edit menu's shortcuts leave the editor's own keys as they were.
TEST(MenuWalk, DeleteAndSelectAllKeysInTheEditor) {
  MenuWindow w;
  w.form->editor().SetSelText(u"abc");
  w.form->editor().SetSelStart(1);
  QTextEdit* edit = w.form->findChild<QTextEdit*>("richedit1");
  edit->setFocus();
  QTest::keyClick(edit, Qt::Key_Delete);
  EXPECT_EQ(w.form->editor().Text(), u"ac") << "Del removes the character after the caret";
  QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
  EXPECT_EQ(w.form->editor().SelLength(), 2);
}

TEST(MenuWalk, PageBreakAndTableGoIntoTheDocument) {
  MenuWindow w;
  w.action("PageBreak1")->trigger();
  EXPECT_EQ(w.form->editor().Text(), u"\f");
  QTimer::singleShot(0, [] {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->objectName(), "TInsertTable");
    dialog->accept();
  });
  w.action("InsertTable1")->trigger();
  TableCells cells;
  ASSERT_TRUE(w.form->editor().TableAtInputPos(cells));
  EXPECT_EQ(cells.rows.size(), 2u);
  EXPECT_EQ(cells.rows.front().size(), 2u);
}

// Opening the Table menu: the table commands only with the caret in a table,
// the column insertions only while the table may grow.
TEST(MenuWalk, TheTableMenuFollowsTheCaret) {
  MenuWindow w;
  Editor& e = w.form->editor();
  const char* table_items[] = {"ColumnsLeft1", "ColumnsRight1", "RowsAbove1", "RowsBelow1", "DeleteColumns1",
                               "DeleteRows1", "HideGridlines1", "TableAttributes1", "Sort1"};
  const char* table_menus[] = {"TableDelete1", "TableSplit1", "TableSelect1"};
  e.SetSelText(u"text");
  e.InsertTable(2, 2);
  const int first_cell = e.TableCellRange(0, 0)->start;
  for (const bool in_table : {false, true}) {
    SCOPED_TRACE(in_table ? "in a table" : "outside");
    e.SetSelStart(in_table ? first_cell : 1);
    emit w.menu("Table1")->aboutToShow();
    for (const char* item : table_items) EXPECT_EQ(w.action(item)->isEnabled(), in_table) << item;
    for (const char* menu : table_menus) EXPECT_EQ(w.menu(menu)->menuAction()->isEnabled(), in_table) << menu;
  }
  w.action("ColumnsRight1")->trigger();
  TableCells cells;
  ASSERT_TRUE(e.TableAtInputPos(cells));
  EXPECT_EQ(cells.rows.front().size(), 3u);
  w.action("SelectRow1")->trigger();
  EXPECT_EQ(e.TableCellAt(e.SelStart() + e.SelLength())->column, 2);
  w.action("HideGridlines1")->trigger();
  EXPECT_FALSE(e.TableGridLines());
  emit w.menu("Table1")->aboutToShow();
  EXPECT_TRUE(w.action("HideGridlines1")->isChecked());
  // A table as wide as it may be takes no column: the item is disabled, and
  // the command says why.
  e.TableInsertColumns(0, kMaxTableColumns - 3);
  emit w.menu("Table1")->aboutToShow();
  EXPECT_FALSE(w.action("ColumnsLeft1")->isEnabled());
  w.action("ColumnsLeft1")->setEnabled(true);
  w.action("ColumnsLeft1")->trigger();
  ASSERT_EQ(w.prompter.messages.size(), 1u);
  EXPECT_EQ(w.prompter.messages[0], "COLUMN  CANNOT BE INSERTED");
}

TEST(MenuWalk, TheTableAttributeDialogRefusesABadNumberAndAppliesGoodOnes) {
  MenuWindow w;
  Editor& e = w.form->editor();
  e.InsertTable(1, 2);
  const int first_cell = e.SelStart();
  const TableAttributes before = *e.TableAttributesAtInputPos();
  int shown = 0;
  std::function<void()> fill;
  fill = [&] {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (!dialog) return QTimer::singleShot(10, fill);
    ++shown;
    EXPECT_EQ(dialog->objectName(), "TTableAttributes");
    auto* border = dialog->findChild<QLineEdit*>("BorderWidth");
    ASSERT_NE(border, nullptr);
    EXPECT_EQ(border->text(), QString::number(before.border_width));
    border->setText("thick");
    QMetaObject::invokeMethod(dialog, "accept");
    EXPECT_TRUE(dialog->isVisible()) << "a bad number keeps the dialog open";
    EXPECT_EQ(*e.TableAttributesAtInputPos(), before);
    border->setText("3");
    dialog->findChild<QLineEdit*>("CellPadding")->setText("6");
    QMetaObject::invokeMethod(dialog, "accept");
  };
  QTimer::singleShot(0, fill);
  emit w.menu("Table1")->aboutToShow();
  w.action("TableAttributes1")->trigger();
  EXPECT_EQ(shown, 1);
  ASSERT_EQ(w.prompter.errors.size(), 1u);
  EXPECT_NE(w.prompter.errors[0].find("Border width"), std::string::npos);
  EXPECT_EQ(e.TableAttributesAtInputPos()->border_width, 3);
  EXPECT_EQ(e.TableAttributesAtInputPos()->cell_padding, 6);
  e.Undo();
  e.SetSelStart(first_cell);
  EXPECT_EQ(*e.TableAttributesAtInputPos(), before);
}

TEST(MenuWalk, FileStatisticsCountTheDocument) {
  MenuWindow w;
  w.form->editor().SetSelText(u"one two\rthree");
  w.action("FileStatistics1")->trigger();
  ASSERT_EQ(w.prompter.messages.size(), 1u);
  EXPECT_NE(w.prompter.messages[0].find("Words: 3"), std::string::npos) << w.prompter.messages[0];
}

}  // namespace
}  // namespace quilm::ui
