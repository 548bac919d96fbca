// The data of the Gurmukhi-to-Roman transliteration that is kept as tables:
// the word-character sets of the font encodings and the letters
// (translit/tables/*.txt, compiled at build time).
#pragma once

#include "encoding/byte_set.h"

#include <cstdint>
#include <string>

namespace quilm {

// Whether `byte` belongs to a word in font index `font_index`. No byte does
// for 8, 13, 30 and indices outside 0..50.
bool is_roman_word_char(int font_index, std::uint8_t byte);
// All those bytes of font index `font_index` (empty where none).
const ByteSet& roman_word_chars(int font_index);
// Whether font index `font_index` forms words at all.
bool has_roman_word_chars(int font_index);

// Appends the Roman letter of a pivot byte: its row of the letter table, or
// the byte itself; the zero byte (beyond the end of a word) gives nothing.
void append_roman_letter(std::uint8_t pivot_byte, std::string& out);

// The unaspirated partner of an aspirated consonant (THA gives t); any
// other byte gives its own letter.
void append_aspirate_base(std::uint8_t pivot_byte, std::string& out);

}  // namespace quilm
