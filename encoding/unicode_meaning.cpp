// The Unicode characters of pivot bytes, from the byte table.
#include "encoding/unicode_meaning.h"

#include <array>

#include "encoding/pivot.h"

namespace quilm {
namespace {

// The characters of one byte as UTF-16, ready to append.
struct Utf16Chars {
  std::array<char16_t, 3> units{};
  std::uint8_t size = 0;
};

std::array<Utf16Chars, 256> make_utf16_table() {
  std::array<Utf16Chars, 256> table;
  for (int b = 0; b < 256; ++b) {
    Utf16Chars& entry = table[b];
    const std::u32string_view chars = pivot::unicode(static_cast<std::uint8_t>(b));
    if (chars.empty() || chars.size() > entry.units.size()) {
      entry.units[entry.size++] = static_cast<char16_t>(kUnknownGlyphBase + b);
      continue;
    }
    for (char32_t c : chars) entry.units[entry.size++] = static_cast<char16_t>(c);  // all in the BMP
  }
  return table;
}

}  // namespace

void append_pivot_unicode(std::uint8_t b, std::u16string& out) {
  static const std::array<Utf16Chars, 256> table = make_utf16_table();
  const Utf16Chars& chars = table[b];
  out.append(chars.units.data(), chars.size);
}

}  // namespace quilm
