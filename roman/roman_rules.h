// The Roman-to-Gurmukhi rules: one Roman word (Punjabi as typed in Latin
// letters) becomes one pivot-encoded Gurmukhi word. The word is normalised
// (roman_normalise.h), walked left to right by ordered context rules that
// write the sounds in spoken order, and brought into stored order and
// repaired (encoding/sound_order.h).
//
// Two engines share the rules: the full engine, which spells the words the
// Roman dictionaries do not know, and the simple engine of the spelling
// generation, which knows a few more vowel clusters and the marks the
// generation writes into its Roman forms (X, N at the end, 0xF0).
#pragma once

#include <string_view>

#include "common/bytes.h"
#include "roman/roman_letters.h"

namespace quilm {

// The rules alone: normalise, walk, order and repair. Any bytes are
// accepted; the result has at most five pivot bytes per input byte.
Bytes spell_roman_by_rules(std::string_view word, RomanEngine engine);

// The walk only, in sound order, on an already normalised word.
Bytes walk_roman_rules(std::string_view normalised, RomanEngine engine);

}  // namespace quilm
