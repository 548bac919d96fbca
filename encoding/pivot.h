// The pivot encoding: the 8-bit glyph encoding of the "GurmukhiLys 020" fonts
// (font index 9), in which all Gurmukhi processing happens — spelling,
// sorting, transliteration, counting, Unicode and ISCII export.
//
// A pivot string is a byte string; each byte is one glyph. Glyphs are stored
// in drawing order, not in the order of the sounds: sihari (0x66) stands
// before the consonant it belongs to, subjoined letters, vowel signs, nasal
// signs and the nukta follow it. So 0x66 0x65 is the syllable KI, which
// Unicode writes KA, I.
//
// The table itself is encoding/tables/pivot.txt, compiled at build time;
// encoding/pivot_bytes.h names the bytes that code refers to often.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "common/bytes.h"
#include "encoding/byte_set.h"

namespace quilm::pivot {

// What a byte of the pivot encoding is.
enum class Role : std::uint8_t {
  NoMeaning,         // carries no Gurmukhi meaning
  Control,           // 0x00..0x1F keep their ASCII meaning (tab, line feed …)
  Consonant,
  NuktaConsonant,    // a consonant with nukta drawn as one glyph (SHA, KHHA …)
  VowelCarrier,      // A, URA, IRI: the bearers of independent vowels
  IndependentVowel,  // the three independent vowels with a glyph of their own
  VowelSign,
  NasalSign,         // bindi, tippi
  GeminationSign,    // addak, which doubles the consonant after it
  Nukta,
  SubjoinedLetter,   // VA, HA, RA drawn below the consonant they follow
  Ligature,          // one glyph for two or three letters
  SignCombination,   // one glyph for a subjoined letter and its sign, or for two signs
  OtherSign,         // udaat, yakash, visarga, a virama of its own
  Digit,
  Punctuation,       // also symbols and the space
  AlternateGlyph,    // a further glyph replaced by standard bytes before any use
  IgnoredGlyph,      // 0x26: carries no letter and is dropped before conversion
};

std::string_view role_name(Role role);  // "nukta consonant" …

struct ByteMeaning {
  Role role;
  // The Unicode characters the byte stands for, one to three; empty for bytes
  // without a character (no meaning, alternate glyphs, 0x26).
  std::u32string_view unicode;
  std::string_view name;  // Unicode-style name of the glyph, for people
};

const ByteMeaning& meaning(std::uint8_t byte);
inline Role role(std::uint8_t byte) { return meaning(byte).role; }
inline std::u32string_view unicode(std::uint8_t byte) { return meaning(byte).unicode; }

// The standard bytes that replace an alternate glyph before any conversion or
// comparison (0x8C → 0x7A 0x5B); empty when the byte is standard. A few bytes
// with a meaning of their own also have a standard spelling (0xA2 → 0x54 0x5B).
BytesView alternate_glyph(std::uint8_t byte);

// Byte pairs that together stand for one character: consonant and nukta, a
// carrier and a vowel sign, two dandas, two 0x2A apostrophes.
struct PivotSequence {
  BytesView bytes;
  std::u32string_view unicode;
  std::string_view name;
};
std::span<const PivotSequence> sequences();

// The byte classes the conversions test; other tools use the same names.
extern const ByteSet kAboveBaseSign;   // AU, OO, EE, AI, bindi (0x49, 0x41), addak (both), tippi
extern const ByteSet kBelowBaseSign;   // the three subjoined letters, U, UU
extern const ByteSet kSubjoinedLetter; // subjoined VA, HA, RA
extern const ByteSet kNuktaMayFollow;  // signs that may stand between a consonant and its nukta
// Every glyph that stands for VIRAMA and a letter below its consonant: the
// three subjoined letters and the further ones of the legacy fonts.
extern const ByteSet kSubjoinedForm;

}  // namespace quilm::pivot
