#include "dict/similar_word_tables.h"

#include <array>
#include <string_view>

#include "dict/similar_word_pairs_tables.inc"
#include "dict/similar_word_sets_tables.inc"

namespace quilm::similar {
namespace {

std::optional<std::uint8_t> partner_in(const std::array<std::string_view, 256>& map, std::uint8_t b) {
  const std::string_view out = map[b];
  if (out.empty()) return std::nullopt;
  return static_cast<std::uint8_t>(out[0]);
}

}  // namespace

const ByteSet& marks() { return kMarks; }
const ByteSet& consonants() { return kConsonants; }
const ByteSet& followers() { return kFollowers; }
const ByteSet& vowel_signs() { return kVowelSigns; }
const ByteSet& leading_signs() { return kLeadingSigns; }
const ByteSet& subjoined() { return kSubjoined; }
const ByteSet& before_subjoined_va() { return kBeforeSubjoinedVa; }
const ByteSet& before_subjoined_ha() { return kBeforeSubjoinedHa; }
const ByteSet& before_subjoined_ra() { return kBeforeSubjoinedRa; }
const ByteSet& joins_nukta() { return kJoinsNukta; }
const ByteSet& dictionary_marks() { return kDictionaryMarks; }

std::optional<std::uint8_t> nukta_partner(std::uint8_t b) { return partner_in(kNuktaPartner, b); }
std::optional<std::uint8_t> look_alike(std::uint8_t b) { return partner_in(kLookAlike, b); }

}  // namespace quilm::similar
