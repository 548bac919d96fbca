// The consonant set and the vowel carriers that the normalisation passes
// test: which bytes are a consonant a vowel sign can follow, and which
// carrier an independent vowel takes for each sign.
#pragma once

#include <cstdint>

#include "encoding/byte_set.h"

namespace quilm::pivot {

// Consonants (NYA 0x52 is left out, as the rules want it).
inline constexpr ByteSet kConsonant{0x3A, 0x3B, 0x42, 0x43, 0x44, 0x45, 0x46, 0x47, 0x4D, 0x4E,
                                    0x53, 0x56, 0x58, 0x59, 0x5C, 0x5D, 0x62, 0x63, 0x64, 0x65,
                                    0x67, 0x69, 0x6A, 0x6D, 0x6F, 0x70, 0x72, 0x73, 0x74, 0x75,
                                    0x76, 0x77, 0x78, 0x79, 0x7C, 0x7D, 0xE6};

// The vowel signs that have a carrier (sihari included).
inline constexpr ByteSet kCarriedVowelSign{0x22, 0x27, 0x2F, 0x3F, 0x5B, 0x66, 0x68, 0x6B, 0x7B};

// The carrier of a vowel sign: A for AA, AI, AU; IRI for I, II, EE; URA for
// U, UU; 0 for OO, which is replaced by the letter OO 0x55 instead.
constexpr std::uint8_t carrier_of(std::uint8_t sign) {
  switch (sign) {
    case 0x6B: case 0x3F: case 0x22: return 0x6E;
    case 0x66: case 0x68: case 0x2F: return 0x4A;
    case 0x5B: case 0x7B: return 0x54;
    default: return 0;
  }
}

}  // namespace quilm::pivot
