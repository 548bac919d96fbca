// Typing in the main window: keys sent to the editor offscreen go through
// the key-press hook, and the editor holds the Quilm2010 glyph bytes.
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QTest>
#include <QTextEdit>
#include <gtest/gtest.h>

#include "app/ui/main_form.h"
#include "app/ui/windows.h"
#include "tests/support/fake_prompter.h"
#include "tests/support/temp_dir.h"

namespace quilm::ui {
namespace {

std::string hex(const std::u16string& text) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string out;
  for (char16_t c : text) {
    if (!out.empty()) out.push_back(' ');
    out.push_back(kDigits[(c >> 4) & 15]);
    out.push_back(kDigits[c & 15]);
  }
  return out;
}

// The main window over a copy of the ready data folder, whose settings
// choose the Romanised layout.
struct TypingWindow {
  test::TempDir dir;
  test::FakePrompter prompter;
  std::unique_ptr<TMainForm> form;
  QTextEdit* editor = nullptr;

  TypingWindow() {
    std::filesystem::copy(QUILM_READY_DATA_DIR, dir.path(), std::filesystem::copy_options::recursive);
    form = std::make_unique<TMainForm>(dir.path(), &prompter);
    form->show();
    QApplication::processEvents();
    editor = form->findChild<QTextEdit*>("richedit1");
    editor->setFocus();
    QApplication::processEvents();
  }
};

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
