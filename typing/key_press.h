// The key-press hook of the main editor: every character typed passes it
// before the editor inserts it. In the Punjabi state of the language toggle
// it translates the key by the keyboard layout setting (Default, Romanised
// Punjabi, or another font's key layout) and runs the legal-combination
// checks; it may rewrite the glyphs just before the caret.
#pragma once

#include <cstdint>

#include "fonts/conversion_context.h"
#include "typing/keyboard.h"

namespace quilm::typing {

// richedit1KeyPress: returns the byte the editor inserts, or 0 for nothing.
// A key at or below 0x20 (space, Enter, Tab, Backspace) ends the word being
// typed: the previous Roman key is forgotten, so the next word starts afresh
// instead of continuing the vowel of the last one. It passes unchanged.
std::uint8_t richedit1KeyPress(Keyboard& kb, std::uint8_t key);

// The editor receives the focus (richedit1Enter): the writers may join a
// typed glyph with the glyphs before the caret.
void richedit1Enter(ConversionContext& conversion);

}  // namespace quilm::typing
