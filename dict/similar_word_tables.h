// The byte classes and letter exchanges of the similar-word generator, as
// dict/tables/similar_word_sets.txt and similar_word_pairs.txt give them
// (compiled at build time).
#pragma once

#include <cstdint>
#include <optional>

#include "encoding/byte_set.h"

namespace quilm::similar {

const ByteSet& marks();
const ByteSet& consonants();
const ByteSet& followers();
const ByteSet& vowel_signs();
const ByteSet& leading_signs();
const ByteSet& subjoined();
const ByteSet& before_subjoined_va();
const ByteSet& before_subjoined_ha();
const ByteSet& before_subjoined_ra();
const ByteSet& joins_nukta();
const ByteSet& dictionary_marks();

// The letter with or without nukta that pairs with `b`; nullopt for others.
std::optional<std::uint8_t> nukta_partner(std::uint8_t b);
// The look-alike letter of `b`; nullopt for others.
std::optional<std::uint8_t> look_alike(std::uint8_t b);

}  // namespace quilm::similar
