// Accessors over the compiled pivot table (encoding/pivot_tables.inc in the
// build tree, made by quilm-tablegen from encoding/tables/pivot.txt).
#include "encoding/pivot.h"

#include <array>

namespace quilm::pivot {

#include "encoding/pivot_tables.inc"

const ByteMeaning& meaning(std::uint8_t byte) { return kByteMeanings[byte]; }

BytesView alternate_glyph(std::uint8_t byte) { return kAlternates[byte]; }

std::span<const PivotSequence> sequences() { return kSequences; }

std::string_view role_name(Role role) {
  switch (role) {
    case Role::NoMeaning: return "no meaning";
    case Role::Control: return "control";
    case Role::Consonant: return "consonant";
    case Role::NuktaConsonant: return "nukta consonant";
    case Role::VowelCarrier: return "vowel carrier";
    case Role::IndependentVowel: return "independent vowel";
    case Role::VowelSign: return "vowel sign";
    case Role::NasalSign: return "nasal sign";
    case Role::GeminationSign: return "gemination sign";
    case Role::Nukta: return "nukta";
    case Role::SubjoinedLetter: return "subjoined letter";
    case Role::Ligature: return "ligature";
    case Role::SignCombination: return "sign combination";
    case Role::OtherSign: return "other sign";
    case Role::Digit: return "digit";
    case Role::Punctuation: return "punctuation";
    case Role::AlternateGlyph: return "alternate glyph";
    case Role::IgnoredGlyph: return "ignored glyph";
  }
  return "?";
}

}  // namespace quilm::pivot
