// The "Find -Replace" window offscreen over the in-memory editor: its pages,
// the buttons it enables, what Find Next selects, the messages it shows and
// what Replace All leaves in the document.
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <gtest/gtest.h>

#include "dict/ui/find_window.h"
#include "tests/convert/document_fixture.h"

namespace quilm::ui {
namespace {

struct FindWindow : ::testing::Test, test::DocumentFixture {
  Tformfind window{editor, fonts, conversion, prompter};

  QPushButton* button(const char* name) { return window.findChild<QPushButton*>(name); }
  void check(const char* name) { window.findChild<QAbstractButton*>(name)->click(); }
};

TEST_F(FindWindow, TheFindPageHidesTheReplaceBoxAndFindNextWaitsForText) {
  add(u"one two", "Arial");
  editor.SetSelStart(0);
  window.ShowFind();
  EXPECT_EQ(window.windowTitle(), "Find -Replace");
  EXPECT_FALSE(window.replace_box()->isVisible());
  EXPECT_FALSE(button("FindNext")->isEnabled());
  window.find_box()->setText("two");
  EXPECT_TRUE(button("FindNext")->isEnabled());
  window.ShowReplace();
  EXPECT_TRUE(window.replace_box()->isVisible());
  EXPECT_FALSE(button("Replace")->isEnabled());
  EXPECT_FALSE(button("ReplaceAll")->isEnabled());
  EXPECT_TRUE(window.findChild<QRadioButton*>("All")->isChecked());
  EXPECT_TRUE(window.findChild<QRadioButton*>("Punjabi")->isChecked());
}

TEST_F(FindWindow, FindNextSelectsEachOccurrenceThenSaysItHasFinished) {
  add(u"ab ab", "Arial");
  window.ShowReplace();
  check("English");
  window.find_box()->setText("ab");
  button("FindNext")->click();
  EXPECT_EQ(editor.SelStart(), 0);
  EXPECT_EQ(editor.SelLength(), 2);
  EXPECT_TRUE(button("Replace")->isEnabled());
  button("FindNext")->click();
  EXPECT_EQ(editor.SelStart(), 3);
  button("FindNext")->click();
  EXPECT_EQ(prompter.messages, std::vector<std::string>{"Finished searching the document"});
  EXPECT_FALSE(button("Replace")->isEnabled());
}

TEST_F(FindWindow, ReplaceAllAsksFirstAndReplacesEverySimilarWord) {
  add(u"eo eq eZo", "GurmukhiLys 020");
  editor.SetSelStart(0);
  window.ShowReplace();
  window.find_box()->setText("eo");
  window.replace_box()->setText("x");
  check("SimilarWords");
  button("FindNext")->click();
  prompter.answers = {Answer::No};
  button("ReplaceAll")->click();
  EXPECT_EQ(editor.Text(), u"eo eq eZo") << "No leaves the document alone";
  button("FindNext")->click();
  prompter.answers = {Answer::Yes};
  button("ReplaceAll")->click();
  EXPECT_EQ(prompter.questions.back(), "Are you sure you want to replace all the occurrences?");
  EXPECT_EQ(editor.Text(), u"x x x");
  EXPECT_EQ(window.result_label()->text(), "3 replaced");
}

TEST_F(FindWindow, EqualTextsAreRefusedWithAMessage) {
  add(u"same", "Arial");
  window.ShowReplace();
  check("English");
  window.find_box()->setText("same");
  window.replace_box()->setText("same");
  button("FindNext")->click();
  button("Replace")->click();
  EXPECT_EQ(prompter.messages, std::vector<std::string>{"Find and replace text are same"});
  EXPECT_EQ(editor.Text(), u"same");
}

}  // namespace
}  // namespace quilm::ui
