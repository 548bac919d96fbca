// The word-character sets of the font conversion of the document: for each
// source font index, the glyph bytes that form words in that encoding. The
// sets are data (convert/tables/word_chars.txt, compiled at build time); other
// tools that cut text into words keep sets of their own, which differ in
// detail.
#pragma once

#include <cstddef>
#include <cstdint>

namespace quilm {

// Whether `byte` forms words in font index `font_index`. No byte does for
// 8, 13, 30 and indices outside 0..50.
bool is_word_char(int font_index, std::uint8_t byte);

// How many bytes the set of `font_index` holds.
std::size_t word_char_count(int font_index);

}  // namespace quilm
