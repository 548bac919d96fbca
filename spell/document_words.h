// The words of the document in the editor, read once from its runs: each
// word with its place, its font and how it is looked up. Gurmukhi-font text
// is cut by the word bytes of its font, Unicode Gurmukhi by its letters and
// signs, other text into English words of letters.
#pragma once

#include <string>
#include <vector>

#include "editor/editor.h"
#include "fonts/registry.h"

namespace quilm {

struct DocumentWord {
  enum class Kind { FontGurmukhi, UnicodeGurmukhi, English, Unsupported };
  Kind kind;
  int start;             // character position in the editor
  std::u16string text;   // the characters as they stand (glyph bytes as U+0000..U+00FF)
  std::string font_name;
  int font_size = 12;
  int font_index = -1;   // for FontGurmukhi and Unsupported
};

// The words at or after `from`.
std::vector<DocumentWord> document_words(const std::vector<TextRun>& runs, int from, const FontRegistry& registry);

}  // namespace quilm
