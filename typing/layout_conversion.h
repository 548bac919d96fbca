// Typing with the key layout of another font: the typed byte is read in that
// font's encoding and written in the encoding of the editor's font.
#pragma once

#include <cstdint>

#include "typing/keyboard.h"

namespace quilm::typing {

// The glyph of the editor's font (index `font_index`) for `key` typed in the
// key layout of font index `layout`, or 0 when the conversion gives nothing.
// Only the first byte of a longer result is typed. When the writer joins the
// glyph with glyphs before the caret, those are deleted first.
std::uint8_t key_from_layout(Keyboard& kb, std::uint8_t key, int layout, int font_index);

}  // namespace quilm::typing
