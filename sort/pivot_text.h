// Text of the command line (UTF-8) or of a legacy font, read into the pivot
// encoding for its collation keys. Unicode Gurmukhi becomes pivot glyphs as
// the Unicode import makes them; line breaks, blanks and Latin letters stay
// as they are, and characters the pivot encoding has no byte for become
// '?' (0x3C), which the keys ignore.
#pragma once

#include <optional>

#include "common/bytes.h"
#include "fonts/conversion.h"

namespace quilm {

// nullopt when `utf8` is not UTF-8; `bad_at` then holds the offset of the
// first bad byte.
std::optional<Bytes> utf8_text_as_pivot(BytesView utf8, const FontConverter& converter, std::size_t* bad_at = nullptr);

}  // namespace quilm

namespace quilm {

// Text of font index `font` read into the pivot encoding line by line; the
// line breaks stay as they are, so the result has the lines of `text`.
Bytes legacy_text_as_pivot(BytesView text, int font, const FontConverter& converter);

}  // namespace quilm
