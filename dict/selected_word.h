// The word a dictionary looks up from the editor's selection: the first run
// of word characters in it, and that word as Unicode. A Punjabi word is a
// run of Gurmukhi letters; in text of a legacy Gurmukhi font (characters up
// to U+00FF only) it is a run of the characters that the font's reader turns
// into Gurmukhi. An English word is a run of ASCII letters.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "dict/font_text.h"
#include "fonts/conversion.h"

namespace quilm {

struct SelectedWord {
  std::size_t start = 0;   // in the selection
  std::size_t length = 0;  // 0: the selection holds no word
  std::u16string unicode;
};

SelectedWord punjabi_word_in(std::u16string_view selected, const FontText& font, const FontConverter& converter);
SelectedWord english_word_in(std::u16string_view selected);

}  // namespace quilm
