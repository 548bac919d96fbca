// The Unicode characters of pivot bytes, from the byte table.
#include "encoding/unicode_meaning.h"

#include <array>

#include "encoding/utf16.h"
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

PivotUtf8Table make_pivot_utf8_table() {
  const PivotUtf16Table& utf16 = pivot_utf16_table();
  PivotUtf8Table table;
  for (int b = 0; b < 256; ++b) {
    PivotUtf8& entry = table[b];
    for (std::size_t k = 0; k < utf16[b].size; ++k)
      entry.size = static_cast<std::uint8_t>(entry.size + write_utf8_bmp(utf16[b].units[k], entry.units.data() + entry.size));
  }
  return table;
}

const PivotUtf16Table& pivot_utf16_table() {
  static const PivotUtf16Table table = make_pivot_utf16_table();
  return table;
}

const PivotUtf8Table& pivot_utf8_table() {
  static const PivotUtf8Table table = make_pivot_utf8_table();
  return table;
}

void append_pivot_unicode(std::uint8_t b, std::u16string& out) {
  const PivotUtf16& chars = pivot_utf16_table()[b];
  out.append(chars.units.data(), chars.size);
}

}  // namespace quilm
