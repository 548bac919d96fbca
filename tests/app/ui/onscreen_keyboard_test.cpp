// The on-screen keyboard in the main window, and the windows of the user
// dictionaries: "New Dictionary" and "Add Word".
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTextEdit>
#include <QToolButton>
#include <gtest/gtest.h>

#include "app/ui/main_form.h"
#include "common/file_io.h"
#include "tests/app/ui/typing_window.h"
#include "dict/ui/find_window.h"
#include "roman/roman_dictionary.h"
#include "roman/ui/add_word_window.h"
#include "roman/user_roman_words.h"
#include "spell/ui/new_dictionary_dialog.h"
#include "tests/support/fake_prompter.h"
#include "tests/support/temp_dir.h"
#include "typing/symbol_insertion.h"
#include "typing/ui/onscreen_keyboard.h"

namespace quilm::ui {
namespace {

using test_window::hex;

// With the check on and the panel shown.
struct KeyboardWindow : test_window::TypingWindow {
  KeyboardWindow() : TypingWindow(true) {
    if (!form->onscreen_keyboard()->isVisible()) form->findChild<QAction*>("OnScreenKeyboard1")->trigger();
  }
  void press(int number) {
    QToolButton* b = form->onscreen_keyboard()->button(number);
    ASSERT_NE(b, nullptr) << number;
    b->click();
    QApplication::processEvents();
  }
  QAction* action(const char* name) { return form->findChild<QAction*>(name); }
};

TEST(OnscreenKeyboardWindow, FourRowsOfQuilmButtonsBelowTheToolBarWithHints) {
  KeyboardWindow w;
  ASSERT_FALSE(w.form->startup_failed());
  OnscreenKeyboard* panel = w.form->onscreen_keyboard();
  EXPECT_TRUE(panel->isVisible());
  EXPECT_GT(panel->height(), 0);
  QToolButton* kha = panel->button(195);
  ASSERT_NE(kha, nullptr);
  EXPECT_EQ(kha->font().family(), "Quilm2010");
  EXPECT_EQ(panel->button(221)->font().family(), "Morvend_P");
  EXPECT_EQ(kha->focusPolicy(), Qt::NoFocus);
  // The ready data folder chooses the Romanised layout.
  EXPECT_EQ(kha->toolTip(), "kh");
  EXPECT_EQ(panel->button(235)->toolTip(), "S or double letter");
}

TEST(OnscreenKeyboardWindow, ButtonsTypeIntoTheEditorThroughTheCheck) {
  KeyboardWindow w;
  Editor& editor = w.form->editor();
  w.press(194);  // k
  w.press(224);  // kanna
  EXPECT_EQ(hex(editor.Text()), "6B 77");
  w.press(233);  // bindi after kanna: kanna with bindi, and no second bindi
  EXPECT_EQ(hex(editor.Text()), "6B A2");
  w.press(244);  // a frequent word with its blank
  EXPECT_EQ(hex(editor.Text()), "6B A2 61 75 73 20");
  w.press(224);  // kanna after a blank: refused, nothing inserted
  EXPECT_EQ(hex(editor.Text()), "6B A2 61 75 73 20");
  EXPECT_EQ(w.prompter.beeps, 1);
  for (const TextRun& run : editor.Runs()) EXPECT_EQ(run.format.font_name, "Quilm2010");
}

TEST(OnscreenKeyboardWindow, ButtonsTypeIntoTheFindBoxInItsFont) {
  KeyboardWindow w;
  w.form->editor().SetSelText(u"k");
  w.action("Find1")->trigger();
  QApplication::processEvents();
  Tformfind* find = w.form->findChild<Tformfind*>();
  ASSERT_NE(find, nullptr);
  QLineEdit* box = find->find_box();
  box->clear();
  QApplication::setActiveWindow(find);
  box->setFocus();
  QApplication::processEvents();
  ASSERT_EQ(QApplication::focusWidget(), box);
  w.press(195);
  FontRegistry fonts;
  ConversionContext context;
  const std::u16string expected =
      typing::symbol_in_font("K", box->font().family().toStdString(), fonts, FontConverter(context));
  EXPECT_EQ(box->text().toStdU16String(), expected);
  EXPECT_EQ(hex(w.form->editor().Text()), "6B");  // the editor is untouched
}

TEST(OnscreenKeyboardWindow, AddWordTakesTheButtonsAndAddsEachPairOnce) {
  KeyboardWindow w;
  w.form->editor().SetSelText(u"Ab12cd");
  w.form->editor().Select(0, 6);
  w.action("AddWord1")->trigger();
  QApplication::processEvents();
  TAddWord* add = w.form->add_word_window();
  ASSERT_NE(add, nullptr);
  EXPECT_EQ(add->windowTitle(), "Add Word");
  EXPECT_EQ(add->roman_box()->text(), "Ab");
  EXPECT_TRUE(add->add_button()->isEnabled());
  w.editor->setFocus();
  w.press(194);  // goes to the Gurmukhi box although the editor has the focus
  w.press(224);
  EXPECT_EQ(hex(w.form->editor().Text()), "41 62 31 32 63 64");
  ASSERT_FALSE(add->gurmukhi_box()->text().isEmpty());
  add->Button1Click();
  EXPECT_TRUE(w.prompter.errors.empty()) << w.prompter.errors.front();
  // The pair goes among the user's own Roman spellings, once.
  RomanDictionary dictionary;
  ASSERT_TRUE(load_user_roman_words(w.dir.path(), dictionary));
  ASSERT_EQ(dictionary.find("ab").size(), 1u);
  add->Button1Click();
  EXPECT_EQ(w.prompter.messages, std::vector<std::string>{"Word already present"});
  RomanDictionary again;
  ASSERT_TRUE(load_user_roman_words(w.dir.path(), again));
  EXPECT_EQ(again.find("ab").size(), 1u);
}

TEST(NewDictionaryWindow, CreatesOnceAndRefusesExistingOrUnsafeNames) {
  test::TempDir dir;
  test::FakePrompter prompter;
  TNewDict window(dir.path(), prompter);
  EXPECT_EQ(window.windowTitle(), "New Dictionary");
  EXPECT_TRUE(window.default_box()->isChecked());
  EXPECT_FALSE(window.ok_button()->isEnabled());
  window.name_box()->setText("mine");
  EXPECT_TRUE(window.ok_button()->isEnabled());
  window.BitBtn2Click();
  EXPECT_EQ(window.created(), std::optional<std::string>("mine"));
  EXPECT_TRUE(std::filesystem::exists(dir / "Dict/mine.dic"));

  window.BitBtn2Click();  // the same name again
  EXPECT_EQ(prompter.messages, std::vector<std::string>{"Dictionary already existing\nRename the dictionary"});
  EXPECT_FALSE(window.ok_button()->isEnabled());

  window.name_box()->setText("../outside");
  window.BitBtn2Click();
  EXPECT_EQ(prompter.errors, std::vector<std::string>{"Cannot create the Dictionary : Change Name"});
  EXPECT_FALSE(std::filesystem::exists(dir / "outside.dic"));
}

}  // namespace
}  // namespace quilm::ui
