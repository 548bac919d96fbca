// GurToHindiUnicode: pivot text written out in Devanagari (Hindi) Unicode.
// Each Gurmukhi letter becomes the Devanagari letter of the same sound
// (mostly the character of the same low byte in the Devanagari block),
// tippi becomes anusvara, and addak a doubled consonant: an aspirate is
// doubled with its unaspirated partner, as Hindi spells it (ग्घ, क्ख).
#pragma once

#include <string>

#include "common/bytes.h"

namespace quilm {

std::u16string GurToHindiUnicode(BytesView pivot);
void GurToHindiUnicode(BytesView pivot, std::u16string& out);  // appends

}  // namespace quilm
