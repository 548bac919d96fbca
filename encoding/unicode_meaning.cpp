// The Unicode characters of pivot bytes, from the byte table.
#include "encoding/unicode_meaning.h"

#include "encoding/pivot.h"

namespace quilm {

void append_pivot_unicode(std::uint8_t b, std::u16string& out) {
  const std::u32string_view chars = pivot::unicode(b);
  if (chars.empty()) {
    out.push_back(static_cast<char16_t>(kUnknownGlyphBase + b));
    return;
  }
  for (char32_t c : chars) out.push_back(static_cast<char16_t>(c));  // all in the BMP
}

}  // namespace quilm
