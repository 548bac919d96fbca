// ISCII (IS 13194:1991) in its Gurmukhi use: the 8-bit Indian script code of
// the program's .aci files. Bytes below 0x80 are ASCII; letters and signs
// lie from 0xA1. ISCII spells conjuncts with the halant 0xE8 and letters
// with nukta with 0xE9, where the pivot encoding has subjoined glyphs,
// addak and one glyph per dotted letter.
#pragma once

#include <cstddef>
#include <cstdint>

#include "common/bytes.h"

namespace quilm {

// Pivot text to ISCII. ISCII has one nasal sign for bindi and tippi; a
// double danda is written as two dandas.
Bytes GurToISCII(BytesView pivot);

// ISCII to pivot text. Both nasal signs come back as bindi (the import then
// chooses with convert_tippi_bindi); two dandas come back as a double danda.
// A byte that ISCII does not define becomes the question mark, as does '?'
// itself: passed on, it would be read as some pivot glyph and the text would
// change without a word.
Bytes ISCIItoGur(BytesView iscii);

// The bytes that ISCII leaves undefined: 0x80 to 0xA0, 0xEB to 0xEE and
// 0xFB to 0xFF.
bool iscii_defines(std::uint8_t byte);
std::size_t undefined_iscii_bytes(BytesView iscii);

}  // namespace quilm
