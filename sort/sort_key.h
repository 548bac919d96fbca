// The Gurmukhi collation key (ConvertGurmukhiToSort): pivot-encoded text
// turned into a byte string whose plain unsigned byte order is the order of
// a Punjabi dictionary. Glyph codes follow the drawing order of a font, so
// sihari (0x66) stands before its consonant and a subjoined letter after the
// sign it carries; their numeric values follow no alphabet either. The key
// puts every sign behind its consonant, weighs the letters in the order
// ੳ ਅ ੲ ਸ ਹ ਕ ਖ ... and the vowel signs after every letter, and keeps the
// nasal and gemination marks (bindi, tippi, addak) for a second part that
// only separates words whose letters are the same.
//
// Keys compare with memcmp (a key that is a prefix of another sorts first).
// Blanks, control bytes, the hyphen and most punctuation weigh nothing, so
// ਘਰ-ਬਾਰ and ਘਰਬਾਰ have the same key.
#pragma once

#include "common/bytes.h"

namespace quilm {

// The key of pivot text `pivot`, of any length.
Bytes ConvertGurmukhiToSort(BytesView pivot);
// The same written into `key` (cleared first), so that a caller making many
// keys reuses one buffer.
void ConvertGurmukhiToSort(BytesView pivot, Bytes& key);
// The same appended to `key`; `work` is scratch room the caller may reuse.
void append_gurmukhi_sort_key(BytesView pivot, Bytes& work, Bytes& key);

}  // namespace quilm
