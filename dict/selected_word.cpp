#include "dict/selected_word.h"

#include <algorithm>

namespace quilm {
namespace {

bool gurmukhi(char16_t c) { return c >= 0x0A00 && c <= 0x0A7F; }
bool ascii_letter(char16_t c) { return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z'); }

template <typename InWord>
SelectedWord first_run(std::u16string_view selected, InWord in_word) {
  SelectedWord word;
  while (word.start < selected.size() && !in_word(selected[word.start])) ++word.start;
  std::size_t end = word.start;
  while (end < selected.size() && in_word(selected[end])) ++end;
  word.length = end - word.start;
  word.unicode = std::u16string(selected.substr(word.start, word.length));
  return word;
}

}  // namespace

SelectedWord punjabi_word_in(std::u16string_view selected, const FontText& font, const FontConverter& converter) {
  const bool glyphs =
      font.is_glyphs() && std::none_of(selected.begin(), selected.end(), [](char16_t c) { return c > 0xFF; });
  if (!glyphs) return first_run(selected, gurmukhi);
  const auto reads_as_gurmukhi = [&](char16_t c) {
    const std::u16string read =
        FontText::unicode().from_pivot(font.to_pivot(std::u16string(1, c), converter), converter);
    return std::any_of(read.begin(), read.end(), gurmukhi);
  };
  SelectedWord word = first_run(selected, reads_as_gurmukhi);
  word.unicode = FontText::unicode().from_pivot(font.to_pivot(word.unicode, converter), converter);
  return word;
}

SelectedWord english_word_in(std::u16string_view selected) { return first_run(selected, ascii_letter); }

}  // namespace quilm
