// The bytes that form words for the spelling checker, per font index
// (spell/tables/word_bytes.txt, compiled at build time), and the English
// letters that form words in other fonts.
#pragma once

#include <cstdint>


namespace quilm {

// Whether `byte` belongs to a word in text of `font_index`. The
// punctuation-like bytes (is_punctuation_like_word_byte) count only when
// the character itself is in a Gurmukhi font, which the caller tests.
bool is_spell_word_byte(int font_index, std::uint8_t byte);
bool is_english_word_byte(std::uint8_t byte);
bool is_punctuation_like_word_byte(std::uint8_t byte);

}  // namespace quilm
