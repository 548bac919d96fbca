// UniCodetoGur: Unicode Gurmukhi into pivot text. Sihari moves before its
// consonant (and before a consonant, VIRAMA, consonant cluster), independent
// vowels become a carrier and a sign, VIRAMA and a letter that the legacy
// fonts draw below their consonant become that subjoined glyph.
//
// Devanagari (U+0900..U+097F) is read as the Gurmukhi letter of the same
// sound. The private-use characters U+F000..U+F0FF, which the export writes
// for glyphs without a known meaning, come back as their bytes.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "common/bytes.h"

namespace quilm {

// Whether the pivot encoding can hold `c` inside a Gurmukhi run: a Gurmukhi
// or Devanagari character that has a pivot glyph, or U+F000..U+F0FF.
bool has_pivot_glyph(char16_t c);

// The pivot byte of a punctuation mark, digit, space or control character
// outside Gurmukhi runs (the full stop is 0x48, the semicolon 0x6C), so that
// it can be written in a legacy font; nullopt when the pivot has none.
std::optional<std::uint8_t> pivot_punctuation_byte(char16_t c);

// `text` is a run of characters for which has_pivot_glyph holds. Any other
// character (the run splitting keeps them out of Gurmukhi runs) becomes the
// pivot byte of the same punctuation when there is one, else '?' (0x3C).
Bytes UniCodetoGur(std::u16string_view text);
void UniCodetoGur(std::u16string_view text, Bytes& out);  // appends
// The same written at `out`, which has room for kPivotBytesPerUnicodeUnit
// bytes per unit of `text`; returns the length written.
inline constexpr std::size_t kPivotBytesPerUnicodeUnit = 3;
std::size_t UniCodetoGur(std::u16string_view text, char* out);

}  // namespace quilm
