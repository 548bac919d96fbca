// Rewrites before the caret.
#include "typing/caret_edits.h"

#include <algorithm>

namespace quilm::typing {

std::u16string glyphs(std::initializer_list<std::uint8_t> bytes) {
  std::u16string text;
  for (std::uint8_t b : bytes) text.push_back(static_cast<char16_t>(b));
  return text;
}

void insert_at(Editor& editor, int position, const std::u16string& text, const std::string& font) {
  editor.Select(position, 0);
  if (editor.FontName() != font) editor.SetFontName(font);
  editor.SetSelText(text);
}

void replace_before(Editor& editor, int caret, int count, const std::u16string& text) {
  const int start = std::max(0, caret - count);
  editor.Select(start, caret - start);
  editor.SetSelText(text);
}

void erase_before_caret(Editor& editor, int count) {
  if (count <= 0) return;
  const int caret = editor.SelStart();
  const int start = std::max(0, caret - count);
  if (start == caret) return;
  editor.Select(start, caret - start);
  editor.SetSelText(u"");
}

}  // namespace quilm::typing
