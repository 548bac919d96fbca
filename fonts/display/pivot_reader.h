// Reading legacy bytes into the pivot encoding for the display fonts. Kept
// apart from glyph_map.cpp so that the converter tables and the pivot table,
// which both name a ByteSet of their own, never meet in one file.
#pragma once

#include <vector>

#include "common/bytes.h"

namespace quilm::display {

// `text` of font index `font_index` in the pivot encoding, as conversion
// reads it (unchanged when the index has no reader).
Bytes read_as_pivot(BytesView text, int font_index);

// True when the font index has a reader of its own.
bool has_reader(int font_index);

// The two bytes of each unit that the reader of `font_index` reads together
// (a legacy font often draws one letter in two glyphs, such as EK ONKAR).
std::vector<Bytes> reader_pairs(int font_index);

}  // namespace quilm::display
