// The similar-word generator: the spellings in which a Gurmukhi word may
// also be written, for finding all of them in a document and for looking a
// word up in the dictionary in forms it was not typed in. Works on pivot
// bytes (dict/word_variants.h converts from and to the fonts).
//
// The steps, each adding to the list what the entries before it give:
//   1. the word itself;
//   2. the word with its marks (bindi, addak, nukta, the third bindi glyph)
//      dropped one after another, left to right; of two marks side by side
//      only the first goes. The word so reduced is the reference r;
//   3. each letter of r with a nukta partner exchanged for it;
//   4. each letter of r after the first with a look-alike exchanged for it;
//   5. a bindi after a vowel sign, a subjoined HA after NA or VA, an addak
//      after a consonant that nothing sits on, put in;
//   6. a sign and a glyph below the letter, side by side, in the other order.
// Candidates of steps 3 to 6 pass ValidWord (the bindi of step 5 is not
// tested). A letter of r is found in every entry at its own place, whatever
// marks the entry still holds before or after it.
#pragma once

#include "common/bytes.h"
#include "dict/similar_word_list.h"

namespace quilm {

// The list for a search: the word alone when `all_similar` is off.
SimilarWordList similar_words_of_pivot(BytesView word, bool all_similar);

// The list for a dictionary lookup. It differs: a letter followed by a
// nukta becomes its nukta letter (SA with a nukta stays two glyphs); every
// bindi, addak (both glyphs) and third bindi glyph is dropped first and the
// reduced word
// is the first entry; SA and SHA are not exchanged; no bindi is put in.
SimilarWordList similar_words_for_dictionary_of_pivot(BytesView word);

}  // namespace quilm
