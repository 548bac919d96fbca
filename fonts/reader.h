// The reader engine: converts the glyph codes of a legacy font into the pivot
// encoding by the tables of one reader (fonts/conversion_tables.h). Every
// reader runs this one algorithm; they differ only in their tables.
#pragma once

#include "common/bytes.h"
#include "fonts/conversion_tables.h"

namespace quilm {

// Reads `text` left to right: at each position a three-byte unit, else a
// conditional unit whose third byte follows, else a two-byte unit, else the
// single byte. The result ends at the first zero byte of the input. Output
// of any length is returned whole.
Bytes read_into_pivot(const ReaderTable& reader, BytesView text);
// For the word reader (fonts/word_conversion.h), which reads many short
// texts into room of its own: the room that reading `n` bytes needs, and the
// reading of a text without zero bytes into that room; returns the length
// written.
// (The longest output the tables allow, plus the slack of the fixed-size
// copy of the last step.)
inline std::size_t pivot_room(const ReaderTable& reader, std::size_t n) { return n * reader.growth + sizeof(Glyphs); }
std::size_t read_glyphs_into(const ReaderTable& reader, BytesView text, std::uint8_t* out);

}  // namespace quilm
