#include "editor/line_ends.h"

#include "editor/editor.h"

namespace quilm {

std::u16string with_paragraph_breaks(std::u16string_view text) {
  std::u16string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char16_t c = text[i];
    if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ++i;
    const bool line_end = c == u'\r' || c == u'\n' || c == u'\u2029';
    out.push_back(line_end ? kParagraphBreak : c);
  }
  return out;
}

}  // namespace quilm
