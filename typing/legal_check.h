// The legal-combination checks: while the user types glyph codes directly,
// a key that would put a glyph where Gurmukhi cannot have it is refused with
// a beep, and a few keys compose with the glyph before the caret (NA with UU
// and tippi, kanna with bindi, the nukta letters). The rules are the tables
// typing/tables/legal_quilm.txt and legal_font_2_3.txt.
#pragma once

#include <cstdint>
#include <span>

#include "typing/key_tables.h"
#include "typing/keyboard.h"

namespace quilm::typing {

// The check of the Quilm encoding (font index 35).
std::uint8_t check_quilm(Keyboard& kb, std::uint8_t key);
// The check of the encodings of font indices 2 and 3.
std::uint8_t check_font_2_3(Keyboard& kb, std::uint8_t key);

// Runs `rules` in order on `key` against the text around the caret. Returns
// the key, changed by the rules, or 0 when it was refused (after a beep) or
// composed with the glyphs before the caret.
std::uint8_t run_checks(std::span<const CheckRule> rules, Keyboard& kb, std::uint8_t key);

}  // namespace quilm::typing
