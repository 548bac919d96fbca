// Spelling keys of the suggestion ranking: each turns a pivot word into a
// key in which the differences of a kind of slip vanish (nukta dots,
// confusable letters, short and long vowel signs, the place of I sign), so
// that a candidate with the same key as the misspelt word differs from it
// only by such slips.
#pragma once

#include <cstdint>
#include <optional>

#include "common/bytes.h"

namespace quilm::spelling_keys {

Bytes K1(BytesView s);
Bytes K2(BytesView s);
Bytes K3(BytesView s);
Bytes K4(BytesView s);
Bytes K5(BytesView s);
// The word without nukta dots.
Bytes P(BytesView s);

// Partners of the ranking: the nukta partner and the confusable partner.
std::optional<std::uint8_t> NP(std::uint8_t b);
std::optional<std::uint8_t> CP(std::uint8_t b);
bool in_nukta_sets(std::uint8_t b);

}  // namespace quilm::spelling_keys
