// From sound order to stored order. Transliteration writes Gurmukhi in the
// order of the sounds (KA then sihari, vowels without their carriers); the
// pivot encoding stores sihari before its consonant and spells independent
// vowels as a carrier and a sign. These two passes bring such text into the
// stored spelling.
#pragma once

#include "common/bytes.h"

namespace quilm {

// Moves every sihari before its consonant (and before a subjoined letter of
// it), and rewrites the vowel sign before an addak as the short vowel that
// a doubled consonant takes.
Bytes FormatGurmukhiString(BytesView text);

// Gives vowel signs that stand without a consonant their carrier (a word
// that starts with AA gets A before it), merges doubled AA and A, and turns
// a tippi after a long vowel into bindi.
Bytes RepairGurmukhiWord(BytesView text);

}  // namespace quilm
