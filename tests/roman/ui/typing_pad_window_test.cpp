// The typing pad window offscreen over the in-memory editor and the shipped
// Roman data: keys typed appear in Gurmukhi word by word, alternatives are
// chosen by number, a paste, an undo or a selection typed over keeps the two
// panes in step, and the Gurmukhi text goes into the document.
#include <QCheckBox>
#include <QComboBox>
#include <QApplication>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>
#include <gtest/gtest.h>

#include <memory>

#include "roman/pad_paste.h"
#include "roman/ui/typing_pad_window.h"
#include "roman/user_roman_words.h"
#include "tests/convert/document_fixture.h"
#include "tests/support/temp_dir.h"

namespace quilm::ui {
namespace {

namespace fs = std::filesystem;

constexpr char16_t kTyped[] = u"sat sri akaal, tusee kive ho?";
constexpr char16_t kGurmukhi[] = u"ਸਤਿ ਸ੍ਰੀ ਅਕਾਲ, ਤੁਸੀਂ ਕਿਵੇਂ ਹੋ?";

struct TypingPadWindow : ::testing::Test, test::DocumentFixture {
  TypingPadWindow() {
    // The shipped data by links, so that the user's words go into this folder.
    for (const fs::directory_entry& e : fs::directory_iterator(QUILM_READY_DATA_DIR))
      fs::create_symlink(e.path(), data.path() / e.path().filename());
    add(u"ab", "Arial");
    editor.SetSelStart(1);
    window = std::make_unique<TPunjabiType>(
        TypingPadContext{fonts, conversion, editor, prompter, data.path(), "Arial", 12, "AnmolLipi", 16});
    window->show();
  }
  QString gurmukhi() const { return window->gurmukhi_pane()->toPlainText(); }
  // The pad holds the Roman pane's text and the Gurmukhi pane shows the pad's.
  void expect_in_step() {
    EXPECT_EQ(window->pad().roman(), window->roman_pane()->toPlainText().toStdU16String());
    EXPECT_EQ(gurmukhi().toStdU16String(), window->pad().gurmukhi());
  }
  test::TempDir data;
  std::unique_ptr<TPunjabiType> window;
};

TEST_F(TypingPadWindow, KeysTypedAppearInGurmukhiWordByWord) {
  EXPECT_EQ(window->windowTitle(), "Punjabi Typing Pad");
  QTest::keyClicks(window->roman_pane(), "sat");
  EXPECT_EQ(gurmukhi().toStdU16String(), u"ਸਤਿ");
  EXPECT_GT(window->alternatives_list()->count(), 0) << "the word being typed shows its alternatives";
  EXPECT_EQ(window->alternative_numbers()->item(0)->text(), "1");
  QTest::keyClicks(window->roman_pane(), QString::fromStdU16String(kTyped).mid(3));
  EXPECT_EQ(gurmukhi().toStdU16String(), kGurmukhi);
  EXPECT_TRUE(prompter.silent());
}

TEST_F(TypingPadWindow, AltAndANumberChoosesThatAlternative) {
  QTest::keyClicks(window->roman_pane(), "sat sri");
  QTextCursor at_sat = window->roman_pane()->textCursor();
  at_sat.setPosition(1);
  window->roman_pane()->setTextCursor(at_sat);
  ASSERT_GE(window->alternatives_list()->count(), 2);
  const QString second = window->alternatives_list()->item(1)->text();
  QTest::keyClick(window->roman_pane(), Qt::Key_2, Qt::AltModifier);
  EXPECT_TRUE(gurmukhi().startsWith(second + " ")) << gurmukhi().toStdString();
  EXPECT_EQ(window->alternatives_list()->item(1)->text().toStdU16String(), u"ਸਤਿ");
  QTest::keyClick(window->roman_pane(), Qt::Key_2, Qt::AltModifier);
  EXPECT_EQ(gurmukhi().toStdU16String(), u"ਸਤਿ ਸ੍ਰੀ") << "the same number again brings the word back";
}

TEST_F(TypingPadWindow, PastesUndoAndSelectionsKeepThePanesInStep) {
  QTest::keyClicks(window->roman_pane(), "sat sri");
  window->roman_pane()->insertPlainText(" akaal, tusee kive ho?");
  EXPECT_EQ(gurmukhi().toStdU16String(), kGurmukhi);
  expect_in_step();
  window->roman_pane()->undo();
  expect_in_step();
  window->roman_pane()->selectAll();
  QTest::keyClicks(window->roman_pane(), "ho");
  EXPECT_EQ(gurmukhi().toStdU16String(), u"ਹੋ");
  expect_in_step();
  window->roman_pane()->selectAll();
  window->roman_pane()->cut();
  EXPECT_EQ(gurmukhi(), "");
  EXPECT_TRUE(window->pad().words().empty());
}

TEST_F(TypingPadWindow, AClickInTheGurmukhiPaneSelectsTheWordsRomanText) {
  QTest::keyClicks(window->roman_pane(), "sat sri akaal");
  QTextCursor at = window->gurmukhi_pane()->textCursor();
  at.setPosition(6);  // in ਸ੍ਰੀ
  window->gurmukhi_pane()->setTextCursor(at);
  EXPECT_EQ(window->roman_pane()->textCursor().selectedText(), "sri");
  EXPECT_EQ(window->pad().current_word(), 1u);
}

TEST_F(TypingPadWindow, PasteGurmukhiTextPutsItIntoTheDocument) {
  window->button("PasteGurmukhi")->click();
  EXPECT_EQ(prompter.messages, std::vector<std::string>{kNothingToPasteMessage}) << "nothing is pasted silently";
  EXPECT_EQ(editor.Text(), u"ab");
  QTest::keyClicks(window->roman_pane(), QString::fromStdU16String(kTyped));
  const std::u16string expected = pad_text_in_font(window->pad(), "AnmolLipi", fonts, converter);
  EXPECT_EQ(window->button("PasteGurmukhi")->text(), "&Paste Gurmukhi Text ");
  window->button("PasteGurmukhi")->click();
  EXPECT_EQ(editor.Text(), u"a" + expected + u"b");
  EXPECT_EQ(editor.Runs().size(), 3u);
  EXPECT_EQ(editor.Runs()[1].format.font_name, "AnmolLipi");
  EXPECT_EQ(gurmukhi(), "");
  EXPECT_EQ(window->roman_pane()->toPlainText(), "");
}

TEST_F(TypingPadWindow, ClosingAsksWhenThereIsGurmukhiText) {
  window->close();
  EXPECT_TRUE(prompter.questions.empty()) << "an empty pad closes without asking";
  window->show();
  QTest::keyClicks(window->roman_pane(), "k");
  prompter.answers = {Answer::Cancel};
  window->close();
  EXPECT_EQ(prompter.questions, std::vector<std::string>{kPasteQuestion}) << "one glyph is asked about too";
  EXPECT_TRUE(window->isVisible());
  prompter.answers = {Answer::No};
  window->close();
  EXPECT_FALSE(window->isVisible());
  EXPECT_EQ(editor.Text(), u"ab");
}

TEST_F(TypingPadWindow, AnAddedWordIsKeptAndOfferedAtOnce) {
  QTest::keyClicks(window->roman_pane(), "qitaabaa");
  window->AddWord("qitaabaa", QString::fromStdU16String(u"ਕਿਤਾਬਾ"));
  EXPECT_TRUE(prompter.silent());
  EXPECT_EQ(data.read(std::string(kUserRomanWordsFile)), "qitaabaa\tਕਿਤਾਬਾ\n");
  const std::vector<std::u16string> alternatives = window->pad().alternatives();
  EXPECT_TRUE(gurmukhi().toStdU16String() == u"ਕਿਤਾਬਾ" ||
              std::find(alternatives.begin(), alternatives.end(), u"ਕਿਤਾਬਾ") != alternatives.end());
  window->AddWord("kit aab", "x");
  EXPECT_EQ(prompter.errors.size(), 1u);
  // A pair the shipped dictionary holds is not written again.
  window->AddWord("kitaab", QString::fromStdU16String(u"ਕਿਤਾਬ"));
  EXPECT_EQ(prompter.messages, std::vector<std::string>{"The word is already in the database."});
  EXPECT_EQ(data.read(std::string(kUserRomanWordsFile)), "qitaabaa\tਕਿਤਾਬਾ\n");
}

TEST_F(TypingPadWindow, ChoicesHoldUntilTheMainWindowIsActiveAgain) {
  QWidget main_window;
  TPunjabiType pad(TypingPadContext{fonts, conversion, editor, prompter, data.path(), "Arial", 12, "AnmolLipi", 16},
                   &main_window);
  pad.show();
  QTest::keyClicks(pad.roman_pane(), "sat sat");
  pad.roman_pane()->moveCursor(QTextCursor::Start);
  const QString chosen = pad.alternatives_list()->item(0)->text();
  pad.ChooseAlternative(1);
  EXPECT_EQ(pad.gurmukhi_pane()->toPlainText(), chosen + " " + chosen) << "the choice holds for the word everywhere";
  QEvent activate(QEvent::WindowActivate);
  QApplication::sendEvent(&main_window, &activate);
  pad.ReTransliterateClick();
  EXPECT_NE(pad.gurmukhi_pane()->toPlainText(), chosen + " " + chosen);
  pad.roman_pane()->clear();  // closing asks nothing
}

TEST_F(TypingPadWindow, OptionsAndInstructions) {
  QTest::keyClicks(window->roman_pane(), "Sat");
  window->ApplyOptions({14, 20, false});
  EXPECT_EQ(window->roman_pane()->font().pointSize(), 14);
  EXPECT_EQ(window->gurmukhi_pane()->font().pointSize(), 20);
  EXPECT_FALSE(window->pad().ignore_case());
  TRtoGOptions options({12, 16, true});
  EXPECT_EQ(options.roman_size_box()->count(), 17);
  EXPECT_TRUE(options.ignore_case_box()->isChecked());
  EXPECT_EQ(options.ignore_case_box()->text(), "Ignore Case ");
  PadInstructions page(data.path() / kPadInstructionsFile);
  EXPECT_TRUE(page.browser()->toPlainText().contains("Punjabi Typing Pad"));
}

}  // namespace
}  // namespace quilm::ui
