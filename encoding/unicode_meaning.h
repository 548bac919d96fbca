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

// The characters of a pivot byte as UTF-16: one to three units.
struct PivotUtf16 {
  std::array<char16_t, 3> units{};
  std::uint8_t size = 0;
};
using PivotUtf16Table = std::array<PivotUtf16, 256>;
// Indexed by pivot byte.
PivotUtf16Table make_pivot_utf16_table();
inline const PivotUtf16Table& pivot_utf16_table() {
  static const PivotUtf16Table table = make_pivot_utf16_table();
  return table;
}

// Appends the characters of pivot byte `b` to `out`.
void append_pivot_unicode(std::uint8_t b, std::u16string& out);

// The pivot byte that a private-use character U+F000..U+F0FF stands for.
inline std::optional<std::uint8_t> unknown_glyph_byte(char16_t c) {
  if (c < kUnknownGlyphBase || c > kUnknownGlyphBase + 0xFF) return std::nullopt;
  return static_cast<std::uint8_t>(c - kUnknownGlyphBase);
}

}  // namespace quilm
