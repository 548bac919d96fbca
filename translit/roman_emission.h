// The spelling of a pivot word in Roman letters, once the pronunciation rules
// have run: letter by letter, with the inherent vowel "a" between consonants,
// the aspirates as two letters, and the consonant after an addak doubled.
#pragma once

#include <string>

#include "common/bytes.h"

namespace quilm {

std::string emit_roman(BytesView word);

// The Roman-side adjustments of an emitted spelling ("gurabaanhee" becomes
// "gurbaanhee", "ia" becomes "i", an initial "sav" becomes "sw").
void adjust_roman(std::string& roman);

}  // namespace quilm
