// Names for the pivot-encoding bytes that code refers to often, so that rules
// read as Gurmukhi rather than as numbers. encoding/tables/pivot.txt holds the
// meaning of every byte; tests check these names against it.
#pragma once

#include <cstdint>

namespace quilm::pivot {

using Byte = std::uint8_t;

// Vowel signs. Sihari is stored before the consonant it belongs to; every
// other sign after it.
inline constexpr Byte kSihari = 0x66;   // VOWEL SIGN I
inline constexpr Byte kSignAA = 0x6B;   // kanna
inline constexpr Byte kSignAA2 = 0x3E;  // second glyph of AA
inline constexpr Byte kSignII = 0x68;   // bihari
inline constexpr Byte kSignU = 0x5B;    // aunkar
inline constexpr Byte kSignUU = 0x7B;   // dulainkar
inline constexpr Byte kSignEE = 0x2F;   // lavan
inline constexpr Byte kSignAI = 0x3F;   // dulavan
inline constexpr Byte kSignOO = 0x27;   // hora
inline constexpr Byte kSignAU = 0x22;   // kanaura

// Nasal signs, addak and nukta.
inline constexpr Byte kBindi = 0x49;
inline constexpr Byte kBindi2 = 0x5F;  // second glyph of bindi
inline constexpr Byte kBindi3 = 0x41;  // third glyph of bindi (not the letter A)
inline constexpr Byte kTippi = 0x7A;
inline constexpr Byte kAddak = 0x5A;
inline constexpr Byte kAddak2 = 0x60;  // second glyph of addak
inline constexpr Byte kNukta = 0x61;

// Subjoined letters, drawn below the consonant they follow.
inline constexpr Byte kSubjoinedVA = 0x50;
inline constexpr Byte kSubjoinedHA = 0x51;
inline constexpr Byte kSubjoinedRA = 0x71;

// Vowel carriers: an independent vowel is a carrier and a vowel sign.
inline constexpr Byte kLetterA = 0x6E;  // carrier of the A-series (aira)
inline constexpr Byte kUra = 0x54;      // carrier of U, UU, OO
inline constexpr Byte kIri = 0x4A;      // carrier of I, II, EE

// Consonants that rules name.
inline constexpr Byte kLetterKA = 0x65;
inline constexpr Byte kLetterNA = 0x42;
inline constexpr Byte kLetterRA = 0x6F;
inline constexpr Byte kLetterSA = 0x3B;
inline constexpr Byte kLetterHA = 0x6A;
inline constexpr Byte kLetterSHA = 0x46;
inline constexpr Byte kLetterKHA = 0x79;
inline constexpr Byte kLetterGA = 0x72;
inline constexpr Byte kLetterJA = 0x69;
inline constexpr Byte kLetterPHA = 0x63;
inline constexpr Byte kLetterLA = 0x62;

// Punctuation and glyphs without a letter.
inline constexpr Byte kSpace = 0x20;
inline constexpr Byte kHyphen = 0x2D;
inline constexpr Byte kDanda = 0x2E;
inline constexpr Byte kDoubleDanda = 0xBD;
inline constexpr Byte kFullStop = 0x48;
inline constexpr Byte kNaUuTippi = 0x7E;  // NA, dulainkar and tippi in one glyph
inline constexpr Byte kApostrophe = 0x2A;  // two of them stand for a quotation mark
inline constexpr Byte kIgnoredGlyph = 0x26;  // dropped before any conversion

}  // namespace quilm::pivot
