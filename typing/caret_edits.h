// The rewrites that typing makes just before the caret, through the editor's
// selection and selected text, and the window-update lock around them.
#pragma once

#include <cstdint>
#include <string>

#include "editor/editor.h"

namespace quilm::typing {

// Glyph bytes as editor characters (the character whose code is the byte).
std::u16string glyphs(std::initializer_list<std::uint8_t> bytes);

// Inserts `text` at `position` with nothing selected, in font `font`, and
// leaves the caret after it.
void insert_at(Editor& editor, int position, const std::u16string& text, const std::string& font);

// Replaces the `count` characters before `caret` by `text`; the text keeps
// the font of the characters it replaces. The caret ends after it.
void replace_before(Editor& editor, int caret, int count, const std::u16string& text);

// Deletes the `count` characters before the caret.
void erase_before_caret(Editor& editor, int count);

// Locks the editor's window updates for as long as it lives.
class WindowLock {
 public:
  explicit WindowLock(Editor& editor) : editor_(editor) { editor_.SetLockWindowUpdate(true); }
  ~WindowLock() { editor_.SetLockWindowUpdate(false); }
  WindowLock(const WindowLock&) = delete;
  WindowLock& operator=(const WindowLock&) = delete;

 private:
  Editor& editor_;
};

}  // namespace quilm::typing
