// How far a candidate is from a misspelt word in the slips Punjabi writers
// make, as a weighted edit distance over pivot bytes (both in lookup form):
// a dotted letter for the plain one or back, a confusable letter (NA/NNA,
// BA/VA, DDA/DA, TTA/TA, RRA/RA), a short vowel sign for the long one,
// bindi for tippi, I sign for II sign, cost little; a sign put in or left
// out costs half a letter; two neighbours exchanged a little more; any
// other change a whole letter. The slips are counted both on the glyphs
// (as a legacy font is typed: the I sign before its consonant) and on the
// Unicode letters (the I sign after it, an independent vowel one letter),
// and the fewer count.
#pragma once

#include "common/bytes.h"

namespace quilm {

double slip_distance(BytesView word, BytesView candidate);

}  // namespace quilm
