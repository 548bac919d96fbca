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

// What a check made of a key: the key to insert (0 for none), and whether
// the glyphs before the caret took it in (a composition) rather than it
// being refused.
struct CheckOutcome {
  std::uint8_t key = 0;
  bool composed = false;
  bool refused() const { return key == 0 && !composed; }
};

// OnScreenKeyPress: the check an on-screen key runs on the first glyph it
// inserts into the editor, for the editor's font index (35, 2 or 3; any
// other passes the key). `next` is the glyph that follows in the inserted
// text (0 for none): a sihari-IRI key is refused when the II or EE sign
// follows it there or after the caret.
CheckOutcome OnScreenKeyPress(Keyboard& kb, int font_index, std::uint8_t key, std::uint8_t next);
// The check of the encodings of font indices 2 and 3.
std::uint8_t check_font_2_3(Keyboard& kb, std::uint8_t key);

// Runs `rules` in order on `key` against the text around the caret. Returns
// the key, changed by the rules, or 0 when it was refused (after a beep) or
// composed with the glyphs before the caret.
std::uint8_t run_checks(std::span<const CheckRule> rules, Keyboard& kb, std::uint8_t key);
CheckOutcome run_check_rules(std::span<const CheckRule> rules, Keyboard& kb, std::uint8_t key);

}  // namespace quilm::typing
