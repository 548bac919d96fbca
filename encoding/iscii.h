// ISCII (IS 13194:1991) in its Gurmukhi use: the 8-bit Indian script code of
// the program's .aci files. Bytes below 0x80 are ASCII; letters and signs
// lie from 0xA1. ISCII spells conjuncts with the halant 0xE8 and letters
// with nukta with 0xE9, where the pivot encoding has subjoined glyphs,
// addak and one glyph per dotted letter.
#pragma once

#include "common/bytes.h"

namespace quilm {

// Pivot text to ISCII. ISCII has one nasal sign for bindi and tippi; a
// double danda is written as two dandas.
Bytes GurToISCII(BytesView pivot);

// ISCII to pivot text. Both nasal signs come back as bindi (the import then
// chooses with convert_tippi_bindi); two dandas come back as a double danda.
Bytes ISCIItoGur(BytesView iscii);

}  // namespace quilm
