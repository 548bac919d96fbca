// Words of Unicode text, for checking Unicode documents and the command
// line: Gurmukhi words (letters, vowel signs, nasal signs, nukta, addak,
// and a hyphen between two such characters) and English words (runs of
// the letters A-Z and a-z). Digits, dandas and other characters end words.
#pragma once

#include <string_view>
#include <vector>

namespace quilm {

struct UnicodeWord {
  enum class Kind { Gurmukhi, English };
  Kind kind;
  std::size_t start;   // in UTF-16 units
  std::size_t length;
};

bool is_gurmukhi_word_char(char16_t c);

// The next word at or after `pos`; false when there is none. `pos` moves
// past the word.
bool next_unicode_word(std::u16string_view text, std::size_t& pos, UnicodeWord& word);
std::vector<UnicodeWord> unicode_words(std::u16string_view text);

}  // namespace quilm
