// The Unicode characters of pivot bytes, from the byte table.
#include "encoding/unicode_meaning.h"

#include <array>

#include "encoding/pivot.h"

namespace quilm {

PivotUtf16Table make_pivot_utf16_table() {
  PivotUtf16Table table;
  for (int b = 0; b < 256; ++b) {
    PivotUtf16& entry = table[b];
    const std::u32string_view chars = pivot::unicode(static_cast<std::uint8_t>(b));
    if (chars.empty() || chars.size() > entry.units.size()) {
      entry.units[entry.size++] = static_cast<char16_t>(kUnknownGlyphBase + b);
      continue;
    }
    for (char32_t c : chars) entry.units[entry.size++] = static_cast<char16_t>(c);  // all in the BMP
  }
  return table;
}

void append_pivot_unicode(std::uint8_t b, std::u16string& out) {
  const PivotUtf16& chars = pivot_utf16_table()[b];
  out.append(chars.units.data(), chars.size);
}

}  // namespace quilm
