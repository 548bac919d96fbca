#include "sort/pivot_text.h"

#include "encoding/utf16.h"
#include "fonts/font_index.h"
#include "fonts/text_conversion.h"
#include "sort/text_lines.h"

namespace quilm {

std::optional<Bytes> utf8_text_as_pivot(BytesView utf8, const FontConverter& converter, std::size_t* bad_at) {
  const std::optional<std::u16string> unicode = from_utf8(utf8, bad_at);
  if (!unicode) return std::nullopt;
  const std::u16string glyphs = unicode_text_to_legacy(*unicode, font_index::kPivot, converter);
  Bytes pivot(glyphs.size(), '\0');
  for (std::size_t i = 0; i < glyphs.size(); ++i)
    pivot[i] = glyphs[i] < 0x100 ? static_cast<char>(glyphs[i]) : '\x3C';
  return pivot;
}

}  // namespace quilm

namespace quilm {

Bytes legacy_text_as_pivot(BytesView text, int font, const FontConverter& converter) {
  Bytes pivot;
  pivot.reserve(text.size());
  for (const TextLine& line : split_lines(text)) {
    pivot += converter.to_pivot(line.text, font);
    pivot += line.line_break;
  }
  return pivot;
}

}  // namespace quilm
