// The tool bar and the button bar of the main window, offscreen: the buttons
// are the menu's commands, the edit buttons follow the editor, the font box
// offers font names, and the quotation marks go into a legacy font as bytes.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QTextEdit>
#include <QToolButton>
#include <gtest/gtest.h>

#include "app/ui/main_form.h"
#include "tests/app/ui/shown_window.h"

namespace quilm::ui {
namespace {

TEST(ToolBar, ButtonsShowTheirCaptionsAndRunTheMenuItems) {
  ShownWindow w;
  ASSERT_FALSE(w.form->startup_failed());
  struct Case {
    const char* button;
    const char* caption;
    const char* hint;
    const char* item;  // the menu item it shares its command with
  };
  const Case cases[] = {
      {"NewButton", "New", "New Document", "New1"},
      {"OpenButton", "Open", "Open Document", "Open1"},
      {"SaveButton", "Save", "Save Document", "Save1"},
      {"KeyboardButton", "Keyboard", "Onscreen Keyboard", "OnScreenKeyboard1"},
      {"FontConvertButton", "Font Convert", "Punjabi Font Convert", "CurrentFile1"},
      {"TextAnalysisButton", "Analysis", "Text Analysis", "FrequencyAnalysis1"},
      {"SortButton", "Sort", "Sort", "SortFile1"},
      {"CutButton", "Cut", "Cut", nullptr},
      {"CopyButton", "Copy", "Copy", nullptr},
      {"PasteButton", "Paste", "Paste", nullptr},
      {"UndoButton", "Undo", "Undo", nullptr},
      {"FindButton", "Find", "Find & Replace", "Find1"},
      {"RedoButton", "Redo", "Redo", "Redo1"},
      {"ImportButton", "Import", "Import", "Import1"},
      {"ExportButton", "Export", "Export", "Export1"},
      {"EnglishPunjabiButton", "Eng-Pbi", "English-Punjabi Dictionary", "EnglishPunjabiDictionary1"},
      {"PunjabiEnglishButton", "Pbi-Eng", "Punjabi-English Dictionary", "PunjabiEnglishDictionary1"},
      {"NormalLayoutButton", "Normal", "Normal Layout", "NormalView1"},
      {"CentredLayoutButton", "Centred", "Centred Page Layout", "ExtendedPageView1"},
      {"SpellCheckButton", "Spell", "Spell Check", "SpellCheck1"},
      {"TypingPadButton", "Typing Pad", "Punjabi Typing Pad", "PunjabiWritingPad1"},
      {"PageBreakButton", "Page Break", "Page Break", "PageBreak1"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.button);
    QToolButton* b = w.button(c.button);
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(b->text(), c.caption);
    EXPECT_EQ(b->toolTip(), c.hint);
    if (c.item) {
      EXPECT_EQ(b->defaultAction(), w.form->findChild<QAction*>(c.item));
    }
  }
}

TEST(ToolBar, FindAndReplaceAreInTheSearchAndEditMenusWithTheirShortcuts) {
  ShownWindow w;
  ASSERT_FALSE(w.form->startup_failed());
  auto* find = w.form->findChild<QAction*>("Find1");
  auto* replace = w.form->findChild<QAction*>("Replace1");
  ASSERT_NE(find, nullptr);
  ASSERT_NE(replace, nullptr);
  EXPECT_EQ(find->text(), "&Find...");
  EXPECT_EQ(replace->text(), "Replace...");
  EXPECT_EQ(find->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_F));
  EXPECT_EQ(replace->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_H));
  for (const char* menu : {"Search1", "Edit1"}) {
    SCOPED_TRACE(menu);
    auto* m = w.form->findChild<QMenu*>(menu);
    ASSERT_NE(m, nullptr);
    EXPECT_TRUE(m->actions().contains(find));
    EXPECT_TRUE(m->actions().contains(replace));
  }
  w.form->editor().SetSelText(u"word");
  w.form->editor().Select(0, 4);
  replace->trigger();
  QApplication::processEvents();
  QWidget* window = nullptr;
  for (QWidget* top : QApplication::topLevelWidgets())
    if (top->windowTitle() == "Find -Replace" && top->isVisible()) window = top;
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(window->findChild<QLineEdit*>("FindWhat")->text(), "word");
  EXPECT_TRUE(window->findChild<QLineEdit*>("ReplaceWith")->isVisible());
}

TEST(ToolBar, EditButtonsFollowTheEditor) {
  ShownWindow w;
  ASSERT_FALSE(w.form->startup_failed());
  Editor& editor = w.form->editor();
  EXPECT_FALSE(w.button("UndoButton")->isEnabled());
  EXPECT_FALSE(w.button("CutButton")->isEnabled());
  EXPECT_FALSE(w.button("CopyButton")->isEnabled());

  editor.SetSelText(u"abc");
  EXPECT_TRUE(w.button("UndoButton")->isEnabled());
  editor.Select(0, 2);
  EXPECT_TRUE(w.button("CutButton")->isEnabled());
  EXPECT_TRUE(w.button("CopyButton")->isEnabled());
  w.button("CutButton")->click();
  EXPECT_EQ(editor.Text(), u"c");
  EXPECT_FALSE(w.button("CutButton")->isEnabled());
  EXPECT_FALSE(w.button("CopyButton")->isEnabled());
  EXPECT_TRUE(w.button("PasteButton")->isEnabled());
  w.button("PasteButton")->click();
  EXPECT_EQ(editor.Text(), u"abc");
}

TEST(ToolBar, FontBoxOffersFontNamesOnly) {
  ShownWindow w;
  ASSERT_FALSE(w.form->startup_failed());
  auto* box = w.form->findChild<QComboBox*>("FontBox");
  ASSERT_NE(box, nullptr);
  // A Gurmukhi font name drawn by a stand-in, and the program's own font.
  for (const char* offered : {"AnmolLipi", "Quilm2010"}) {
    SCOPED_TRACE(offered);
    EXPECT_GE(box->findText(offered), 0);
  }
  // Keyboard layouts and the stand-ins' own families are no font names.
  for (const char* missing : {"Default", "Romanised Punjabi", "Quilm Legacy anmollipi"}) {
    SCOPED_TRACE(missing);
    EXPECT_LT(box->findText(missing, Qt::MatchFixedString), 0);
  }
}

TEST(ToolBar, QuotationMarksGoIntoALegacyFontAsItsBytes) {
  ShownWindow w;
  ASSERT_FALSE(w.form->startup_failed());
  Editor& editor = w.form->editor();
  struct Case {
    const char* font;
    std::u16string inserted;  // SpeedButton14 to SpeedButton17 in turn
  };
  const Case cases[] = {
      {"AnmolLipi", u"\x91\x92\x93\x94"},
      {"Arial", u"\u2018\u2019\u201C\u201D"},
  };
  const char* buttons[] = {"SpeedButton14", "SpeedButton15", "SpeedButton16", "SpeedButton17"};
  const char16_t captions[] = {u'\u2018', u'\u2019', u'\u201C', u'\u201D'};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.font);
    editor.Clear();
    editor.SetFontName(c.font);
    for (int i = 0; i < 4; ++i) {
      QToolButton* b = w.button(buttons[i]);
      ASSERT_NE(b, nullptr);
      EXPECT_EQ(b->text(), QString(QChar(captions[i])));
      b->click();
    }
    EXPECT_EQ(editor.Text(), c.inserted);
    EXPECT_EQ(editor.Runs().back().format.font_name, c.font);
  }
  editor.SetModified(false);
}

}  // namespace
}  // namespace quilm::ui
