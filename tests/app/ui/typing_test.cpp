// Typing in the main window: keys sent to the editor offscreen go through
// the key-press hook, and the editor holds the Quilm2010 glyph bytes.
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QTest>
#include <QTextEdit>
#include <gtest/gtest.h>

#include "app/ui/main_form.h"
#include "tests/app/ui/typing_window.h"
#include "app/ui/windows.h"
#include "tests/support/fake_prompter.h"
#include "tests/support/temp_dir.h"

namespace quilm::ui {
namespace {

using test_window::hex;
using test_window::TypingWindow;

TEST(TypingInTheWindow, RomanisedKeysBecomeQuilm2010Glyphs) {
  TypingWindow w;
  ASSERT_FALSE(w.form->startup_failed());
  ASSERT_EQ(w.form->status_panel("Panel2")->text(), "Romanised Punjabi");
  QTest::keyClicks(w.editor, "jo othe kh");
  Editor& editor = w.form->editor();
  EXPECT_EQ(hex(editor.Text()), "6A 6F 20 41 51 79 20 4B");
  for (const TextRun& run : editor.Runs()) EXPECT_EQ(run.format.font_name, "Quilm2010");
  EXPECT_EQ(w.form->status_panel("Panel5")->text(), "Col 8");
  EXPECT_EQ(w.prompter.beeps, 0);
}

TEST(TypingInTheWindow, LanguageToggleLetsKeysPass) {
  TypingWindow w;
  ASSERT_FALSE(w.form->startup_failed());
  QAction* toggle = w.form->findChild<QAction*>("LanguageEnglish1");
  ASSERT_NE(toggle, nullptr);
  EXPECT_EQ(toggle->text(), "&Language - English");
  QTest::keyClicks(w.editor, "kh");
  QTest::keyClick(w.editor, Qt::Key_L, Qt::ControlModifier);
  EXPECT_EQ(toggle->text(), "&Language - Punjabi");
  QTest::keyClicks(w.editor, "kh");
  EXPECT_EQ(hex(w.form->editor().Text()), "4B 6B 68");
  EXPECT_EQ(w.form->editor().Runs().back().format.font_name, w.form->workspace().settings.english_font);
}

}  // namespace
}  // namespace quilm::ui
