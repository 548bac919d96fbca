#include "app/ui/main_form.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>
#include <gtest/gtest.h>

#include "app/ui/window_list.h"
#include "app/ui/windows.h"
#include "dict/ui/dictionary_window.h"
#include "roman/ui/typing_pad_window.h"
#include "tests/support/fake_prompter.h"
#include "tests/support/temp_dir.h"
#include "tests/app/ui/ready_data_folder.h"

namespace quilm::ui {
namespace {

using DataFolder = test::ReadyDataFolder;

QWidget* child(QWidget& w, const char* name) { return w.findChild<QWidget*>(name); }

TEST(MainForm, StartsShowsItsLayoutAndClosesWritingTheSameSettings) {
  DataFolder data;
  const Bytes before = data.settings();
  test::FakePrompter prompter;
  TMainForm form(data.dir.path(), &prompter);
  ASSERT_FALSE(form.startup_failed());
  ProgramWindows windows(form);
  form.show();
  QApplication::processEvents();

  EXPECT_TRUE(prompter.silent());
  EXPECT_EQ(form.windowTitle(), "Quilm 2010");
  EXPECT_EQ(form.status_panel("Panel3")->text(), "Page 1");
  EXPECT_EQ(form.status_panel("Panel4")->text(), "Line 1");
  EXPECT_EQ(form.status_panel("Panel5")->text(), "Col 0");
  EXPECT_EQ(form.status_panel("Panel2")->text(), "Romanised Punjabi");

  // Top to bottom: tool bar, button bar, keyboard panel, ruler, editor, status bar.
  const char* order[] = {"ToolPanel", "TXButtonBar1", "Panel1", "TXRuler1", "richedit1", "StatusBar1"};
  int bottom = 0;
  for (const char* name : order) {
    SCOPED_TRACE(name);
    QWidget* w = child(form, name);
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(w->y(), bottom);
    bottom = w->y() + w->height();
  }
  EXPECT_EQ(bottom, form.client()->height());
  EXPECT_EQ(child(form, "TXRuler1")->width(), form.client()->width());
  EXPECT_GT(child(form, "richedit1")->height(), 100);

  // Every tool window exists once, hidden, with its caption.
  ASSERT_EQ(windows.all().size(), kToolWindows.size());
  for (const WindowEntry& entry : kToolWindows) {
    SCOPED_TRACE(entry.class_name);
    ToolWindow* w = windows.find(entry.class_name);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->windowTitle(), entry.caption);
    EXPECT_FALSE(w->isVisible());
  }

  EXPECT_TRUE(form.close());
  EXPECT_EQ(data.settings(), before);
}

// The status bar and the button bar say what typing will do and where the
// caret is: the language and font after Ctrl+L, the page, line and column
// after the caret moves or a new document starts, the layout chosen.
TEST(MainForm, TheStatusTellsTheLanguageTheFontAndThePlaceOfTheCaret) {
  DataFolder data;
  test::FakePrompter prompter;
  TMainForm form(data.dir.path(), &prompter);
  ASSERT_FALSE(form.startup_failed());
  form.show();
  QApplication::processEvents();
  const Settings& settings = form.workspace().settings;
  auto* font_box = form.findChild<QComboBox*>("FontBox");
  auto* size_box = form.findChild<QComboBox*>("SizeBox");
  ASSERT_TRUE(font_box && size_box);
  EXPECT_EQ(font_box->currentText().toStdString(), settings.punjabi_font);
  EXPECT_EQ(size_box->currentText().toInt(), settings.punjabi_font_size);

  auto* language = form.findChild<QAction*>("LanguageEnglish1");
  language->trigger();
  EXPECT_EQ(form.status_panel("Panel2")->text(), "English");
  EXPECT_EQ(font_box->currentText().toStdString(), settings.english_font);
  EXPECT_EQ(size_box->currentText().toInt(), settings.english_font_size);
  language->trigger();
  EXPECT_EQ(form.status_panel("Panel2")->text(), "Romanised Punjabi");
  EXPECT_EQ(font_box->currentText().toStdString(), settings.punjabi_font);

  for (int i = 0; i < 400; ++i) form.editor().SetSelText(u"a line of text\r");
  form.editor().SetSelText(u"end");
  QApplication::processEvents();
  EXPECT_EQ(form.status_panel("Panel4")->text(), "Line 401");
  EXPECT_EQ(form.status_panel("Panel5")->text(), "Col 3");
  EXPECT_NE(form.status_panel("Panel3")->text(), "Page 1");
  form.editor().SetSelStart(0);
  EXPECT_EQ(form.status_panel("Panel3")->text(), "Page 1");
  form.editor().SetSelStart(form.editor().TextLength());

  prompter.answers = {Answer::No};  // do not save the changes
  form.findChild<QAction*>("New1")->trigger();
  EXPECT_EQ(form.editor().TextLength(), 0);
  EXPECT_EQ(form.status_panel("Panel3")->text(), "Page 1");
  EXPECT_EQ(form.status_panel("Panel4")->text(), "Line 1");
  EXPECT_EQ(form.status_panel("Panel5")->text(), "Col 0");

  auto* layouts = form.findChild<QComboBox*>("LayoutBox");
  ASSERT_NE(layouts, nullptr);
  EXPECT_EQ(layouts->currentIndex(), settings.layout_choice);
  const int anmol = layouts->findText("AnmolLipi");
  ASSERT_GE(anmol, 0);
  layouts->setCurrentIndex(anmol);
  emit layouts->activated(anmol);
  EXPECT_EQ(settings.layout_choice, anmol);
  EXPECT_EQ(form.workspace().typing.keyboard_layout, form.workspace().fonts.get_font_index("AnmolLipi"));
  EXPECT_EQ(form.status_panel("Panel2")->text(), "AnmolLipi");
  form.editor().SetModified(false);
}

TEST(MainForm, HidingTheKeyboardGivesItsRoomToTheEditorAndIsRemembered) {
  DataFolder data;
  test::FakePrompter prompter;
  TMainForm form(data.dir.path(), &prompter);
  form.show();
  QApplication::processEvents();
  QWidget* editor = child(form, "richedit1");
  const int height_with_keyboard = editor->height();
  auto* keyboard = form.findChild<QAction*>("OnScreenKeyboard1");
  ASSERT_TRUE(keyboard->isChecked());
  keyboard->trigger();
  EXPECT_FALSE(child(form, "Panel1")->isVisible());
  EXPECT_GT(editor->height(), height_with_keyboard);
  EXPECT_EQ(child(form, "TXRuler1")->y(), child(form, "TXButtonBar1")->y() + child(form, "TXButtonBar1")->height());
  EXPECT_TRUE(form.close());
  const Bytes settings = data.settings();
  // Line 15 of the settings.
  std::size_t pos = 0;
  for (int line = 1; line < 15; ++line) pos = settings.find("\r\n", pos) + 2;
  EXPECT_EQ(settings.substr(pos, 3), "0\r\n");
}

TEST(MainForm, F7ChecksTheSpellingFromTheCaret) {
  DataFolder data;
  test::FakePrompter prompter;
  TMainForm form(data.dir.path(), &prompter);
  auto* spell = form.findChild<QAction*>("SpellCheck1");
  ASSERT_NE(spell, nullptr);
  EXPECT_EQ(spell->shortcut(), QKeySequence(Qt::Key_F7));
  form.editor().SetSelText(u"\u0A2A\u0A70\u0A1C\u0A3E\u0A2C");  // a known word: no question
  form.editor().SetSelStart(0);
  spell->trigger();
  ASSERT_FALSE(prompter.messages.empty());
  EXPECT_EQ(prompter.messages.back(), "Spell check complete");
  EXPECT_TRUE(prompter.errors.empty()) << prompter.errors.front();
  form.editor().SetModified(false);
  form.close();
}

TEST(MainForm, TheDictionaryShowsTheMeaningOfTheSelectedWordFromTheShippedTables) {
  DataFolder data;
  test::FakePrompter prompter;
  TMainForm form(data.dir.path(), &prompter);
  auto* dictionary = form.findChild<QAction*>("PunjabiEnglishDictionary1");
  ASSERT_NE(dictionary, nullptr);
  EXPECT_EQ(dictionary->text(), "Punjabi English Dictionary");
  form.editor().SetSelText(u"\u0A38\u0A4B\u0A2E\u0A35\u0A3E\u0A30");  // ਸੋਮਵਾਰ, Monday
  form.editor().SetSelStart(0);
  form.editor().SetSelLength(6);
  dictionary->trigger();
  auto* window = form.findChild<TDictionaryWindow*>();
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(window->windowTitle(), "Punjabi English Dictionary");
  EXPECT_EQ(window->meanings_memo()->toPlainText(), "Monday");
  EXPECT_TRUE(prompter.errors.empty());
  form.editor().SetModified(false);
  form.close();
}

// With "Double clicking on a word opens the appropriate dictionary" on, a
// double-clicked word opens the dictionary of its script; with it off,
// nothing opens.
TEST(MainForm, DoubleClickingAWordOpensTheDictionaryOfItsScriptWhenTheOptionIsOn) {
  struct Case {
    const char16_t* text;
    const char* font;
    bool option;
    const char* opened;  // nullptr: no dictionary window
  };
  const Case cases[] = {
      {u"\u0A38\u0A4B\u0A2E\u0A35\u0A3E\u0A30", "Arial", true, "Punjabi English Dictionary"},  // ਸੋਮਵਾਰ
      {u"somvwr", "AnmolLipi", true, "Punjabi English Dictionary"},                                // ਸੋਮਵਾਰ
      {u"Monday", "Arial", true, "English-Punjabi Dictionary"},
      {u"Monday", "Arial", false, nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.opened ? c.opened : "option off");
    DataFolder data;
    test::FakePrompter prompter;
    TMainForm form(data.dir.path(), &prompter);
    form.workspace().settings.dictionary_double_click = c.option;
    form.show();
    FormatChange font;
    font.font_name = c.font;
    form.editor().ApplyFormat(font);
    form.editor().SetSelText(c.text);
    QApplication::processEvents();
    QWidget* viewport = form.findChild<QTextEdit*>("richedit1")->viewport();
    QTest::mouseDClick(viewport, Qt::LeftButton, {}, QPoint(4, 8));
    QApplication::processEvents();
    TDictionaryWindow* shown = nullptr;
    for (TDictionaryWindow* w : form.findChildren<TDictionaryWindow*>())
      if (w->isVisible()) shown = w;
    if (c.opened) {
      ASSERT_NE(shown, nullptr);
      EXPECT_EQ(shown->windowTitle(), c.opened);
    } else {
      EXPECT_EQ(shown, nullptr);
    }
    form.editor().SetModified(false);
    form.close();
  }
}

TEST(MainForm, TheTypingPadPutsWhatIsTypedIntoTheDocumentInThePunjabiFont) {
  DataFolder data;
  test::FakePrompter prompter;
  TMainForm form(data.dir.path(), &prompter);
  auto* pad_action = form.findChild<QAction*>("PunjabiWritingPad1");
  ASSERT_NE(pad_action, nullptr);
  EXPECT_EQ(pad_action->shortcut(), QKeySequence(Qt::Key_F3));
  pad_action->trigger();
  auto* pad = form.findChild<TPunjabiType*>();
  ASSERT_NE(pad, nullptr);
  EXPECT_TRUE(pad->isVisible());
  QTest::keyClicks(pad->roman_pane(), "sat sri akaal");
  EXPECT_EQ(pad->gurmukhi_pane()->toPlainText().toStdU16String(), u"ਸਤਿ ਸ੍ਰੀ ਅਕਾਲ");
  pad->button("PasteGurmukhi")->click();
  EXPECT_FALSE(form.editor().Text().empty());
  EXPECT_EQ(form.editor().Runs().front().format.font_name, form.workspace().settings.punjabi_font);
  EXPECT_TRUE(prompter.errors.empty());
  form.editor().SetModified(false);
  form.close();
}

TEST(MainForm, FailedStartUpWritesNothing) {
  DataFolder data;
  std::filesystem::remove(data.dir / "WList.txt");
  const Bytes before = data.settings();
  test::FakePrompter prompter;
  {
    TMainForm form(data.dir.path(), &prompter);
    EXPECT_TRUE(form.startup_failed());
    EXPECT_TRUE(form.close());
  }
  ASSERT_EQ(prompter.messages.size(), 1u);
  EXPECT_EQ(data.settings(), before);
}

TEST(MainForm, UnsavedDocumentAndCancelKeepsTheWindowOpenAndWritesNothing) {
  DataFolder data;
  const Bytes before = data.settings();
  test::FakePrompter prompter;
  prompter.answers = {Answer::Cancel};
  TMainForm form(data.dir.path(), &prompter);
  form.show();
  form.editor().SetSelText(u"ਸਤਿ ਨਾਮੁ");
  form.workspace().settings.zoom_step = 6;  // a change that a close would write
  EXPECT_FALSE(form.close());
  ASSERT_EQ(prompter.questions.size(), 1u);
  EXPECT_EQ(prompter.questions[0], "Do you want to save the changes?");
  EXPECT_TRUE(form.isVisible());
  EXPECT_EQ(data.settings(), before);
  prompter.answers = {Answer::No};
  EXPECT_TRUE(form.close());
  EXPECT_NE(data.settings(), before);
}

TEST(MainForm, StoredTablesThatCannotBeOpenedEndTheStartUpExceptTheAdministrativeTerms) {
  struct Case {
    const char* label;
    const char* file;
    bool remove;  // otherwise overwritten with junk
    bool starts;
  };
  const Case cases[] = {
      {"word frequencies damaged", "PunjabiFreq.DB", false, false},
      {"trigram table missing", "TriGram1.DBF", true, false},
      {"affix list damaged", "wordlist1a.dbf", false, false},
      {"administrative terms missing", "adt", true, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    DataFolder data;
    if (c.remove)
      std::filesystem::remove(data.dir / c.file);
    else
      data.dir.write(c.file, "this is not a table");
    const Bytes before = data.settings();
    test::FakePrompter prompter;
    TMainForm form(data.dir.path(), &prompter);
    ProgramWindows windows(form);
    const bool started = !form.startup_failed() && windows.ok();
    EXPECT_EQ(started, c.starts);
    const auto& shown = c.starts ? prompter.messages : prompter.errors;
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_NE(shown[0].find(c.file), std::string::npos) << shown[0];
    EXPECT_TRUE(form.close());
    if (!c.starts) {
      EXPECT_EQ(data.settings(), before);
    }
  }
}

}  // namespace
}  // namespace quilm::ui
