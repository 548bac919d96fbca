// Lookup normalisation: convert_for_gurmukhi brings a pivot word to the one
// spelling under which the word lists hold it, whatever glyph sequence the
// user typed: doubled signs go, signs drawn in either order get one order,
// one-glyph forms and separate nukta dots meet, and every bindi glyph
// becomes the same byte, so that a word is never known in one spelling and
// unknown in a look-alike.
#pragma once

#include <optional>

#include "common/bytes.h"

namespace quilm {

struct LookupForm {
  Bytes word;
  // Whether the cleaning passes changed the word beyond the pairs that
  // newcases joins: set for every word longer than one byte, empty for
  // shorter ones (the caller's normalisation-changed flag then keeps its
  // value).
  std::optional<bool> changed;
};

LookupForm convert_for_gurmukhi(BytesView word);

// The passes of the chain.
Bytes newcases(BytesView word);
Bytes newspecialcases(BytesView word);
Bytes removing_extra_hyphen(BytesView word);  // also cuts the word to 55 bytes
Bytes specialcharacters(BytesView word);

inline constexpr std::size_t kLookupWordCapacity = 55;

}  // namespace quilm
