// The Unicode characters of a pivot byte, as the conversions out of the pivot
// encoding write them. A byte whose glyph has no known meaning becomes the
// private-use character U+F000 plus the byte: the code point under which
// Windows keeps the glyphs of symbol fonts, never a letter of another script,
// and read back into the same byte by the Unicode import.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace quilm {

inline constexpr char16_t kUnknownGlyphBase = 0xF000;

// The characters of a pivot byte in one form of Unicode, indexed by pivot
// byte: one to three characters (all in the BMP), as up to three UTF-16
// units or up to nine UTF-8 bytes, so that either form is written from the
// pivot bytes directly.
template <typename Unit, std::size_t Most>
struct PivotChars {
  std::array<Unit, Most> units{};
  std::uint8_t size = 0;
};
using PivotUtf16 = PivotChars<char16_t, 3>;
using PivotUtf8 = PivotChars<char, 9>;
using PivotUtf16Table = std::array<PivotUtf16, 256>;
using PivotUtf8Table = std::array<PivotUtf8, 256>;
PivotUtf16Table make_pivot_utf16_table();
PivotUtf8Table make_pivot_utf8_table();
const PivotUtf16Table& pivot_utf16_table();
const PivotUtf8Table& pivot_utf8_table();

// Appends the characters of pivot byte `b` to `out`.
void append_pivot_unicode(std::uint8_t b, std::u16string& out);

// The pivot byte that a private-use character U+F000..U+F0FF stands for.
inline std::optional<std::uint8_t> unknown_glyph_byte(char16_t c) {
  if (c < kUnknownGlyphBase || c > kUnknownGlyphBase + 0xFF) return std::nullopt;
  return static_cast<std::uint8_t>(c - kUnknownGlyphBase);
}

}  // namespace quilm
