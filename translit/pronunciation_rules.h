// The Punjabi pronunciation rules of the Gurmukhi-to-Roman transliteration:
// rewrites of the pivot word (in its canonical form, roman_key.h) that bring
// the written letters closer to the spoken ones before they are spelled in
// Roman letters. The last rule brings sihari from its written place before
// the consonant to its spoken place after it.
#pragma once

#include "common/bytes.h"

namespace quilm {

void apply_pronunciation_rules(Bytes& word);

}  // namespace quilm
