#include "spell/unicode_words.h"

namespace quilm {
namespace {

bool is_latin_letter(char16_t c) { return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z'); }

}  // namespace

bool is_gurmukhi_word_char(char16_t c) {
  return (c >= 0x0A01 && c <= 0x0A5E) || (c >= 0x0A70 && c <= 0x0A75);
}

bool next_unicode_word(std::u16string_view text, std::size_t& pos, UnicodeWord& word) {
  const std::size_t n = text.size();
  while (pos < n && !is_gurmukhi_word_char(text[pos]) && !is_latin_letter(text[pos])) ++pos;
  if (pos >= n) return false;
  const std::size_t start = pos;
  if (is_latin_letter(text[pos])) {
    while (pos < n && is_latin_letter(text[pos])) ++pos;
    word = {UnicodeWord::Kind::English, start, pos - start};
    return true;
  }
  while (pos < n) {
    if (is_gurmukhi_word_char(text[pos])) ++pos;
    else if (text[pos] == u'-' && pos + 1 < n && is_gurmukhi_word_char(text[pos + 1])) ++pos;
    else break;
  }
  word = {UnicodeWord::Kind::Gurmukhi, start, pos - start};
  return true;
}

std::vector<UnicodeWord> unicode_words(std::u16string_view text) {
  std::vector<UnicodeWord> words;
  std::size_t pos = 0;
  UnicodeWord w{};
  while (next_unicode_word(text, pos, w)) words.push_back(w);
  return words;
}

}  // namespace quilm
