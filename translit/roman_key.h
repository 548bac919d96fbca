// The form of a pivot word in which the Gurmukhi-to-Roman transliteration
// works and under which the exception table GurRoman.db keeps it: alternate
// glyphs replaced, repeated signs collapsed, letters with nukta composed,
// ligatures expanded and the signs brought into one order.
#pragma once

#include "common/bytes.h"

namespace quilm {

// The canonical form of the pivot word `word`.
Bytes roman_key(BytesView word);

}  // namespace quilm
