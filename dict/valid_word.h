// The plausibility filter of the similar-word generator: a candidate made by
// exchanging or inserting a glyph is dropped when it could not be a written
// Gurmukhi word (pivot bytes).
#pragma once

#include "common/bytes.h"

namespace quilm {

// False when the candidate has
//   - a `K` (0x4B) directly followed by bindi `I` (0x49);
//   - two subjoined glyphs side by side;
//   - a subjoined VA, HA or RA after a letter it never follows.
// A candidate shorter than two bytes has no pairs and passes.
bool ValidWord(BytesView candidate);

}  // namespace quilm
