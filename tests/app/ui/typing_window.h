// The main window over a copy of the ready data folder, with the editor
// focused, for tests that type into it; and the editor's text as hex.
#pragma once

#include <QApplication>
#include <QTextEdit>
#include <memory>
#include <string>

#include "app/ui/main_form.h"
#include "tests/support/fake_prompter.h"
#include "tests/support/temp_dir.h"

namespace quilm::ui::test_window {

// "6B 77": the characters' low bytes, upper-case hexadecimal.
inline std::string hex(const std::u16string& text) {
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
// choose the Romanised layout; `check` switches the legal-combination check
// on whatever they say.
struct TypingWindow {
  test::TempDir dir;
  test::FakePrompter prompter;
  std::unique_ptr<TMainForm> form;
  QTextEdit* editor = nullptr;

  explicit TypingWindow(bool check = false) {
    std::filesystem::copy(QUILM_READY_DATA_DIR, dir.path(), std::filesystem::copy_options::recursive);
    form = std::make_unique<TMainForm>(dir.path(), &prompter);
    if (check) form->workspace().settings.legal_combination_check = true;
    form->show();
    QApplication::processEvents();
    editor = form->findChild<QTextEdit*>("richedit1");
    editor->setFocus();
    QApplication::processEvents();
  }
};

}  // namespace quilm::ui::test_window
