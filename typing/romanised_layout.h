// The Romanised Punjabi layout: Punjabi typed phonetically in Roman letters
// becomes glyph codes of the Quilm encoding, in the font "Quilm2010". A key
// may rewrite the glyphs just before the caret (kh makes KHA of KA, a
// repeated consonant gets an addak, sihari goes before its consonant), using
// the glyphs before the caret and the previous Roman key as context.
#pragma once

#include <cstdint>

#include "typing/keyboard.h"

namespace quilm::typing {

// One key (above 0x20) in the Romanised layout; `font_index` is that of the
// editor's current font. Returns the glyph that the editor inserts, or 0.
// Stores the previous Roman key.
std::uint8_t romanised_key(Keyboard& kb, std::uint8_t key, int font_index);

}  // namespace quilm::typing
