#include "dict/font_text.h"

#include "encoding/unicode_input.h"
#include "encoding/unicode_output.h"
#include "fonts/font_index.h"
#include "spell/spell_check_run.h"

namespace quilm {

FontText FontText::of(std::string_view font_name, const FontRegistry& registry) {
  if (!registry.check_font_punjabi(font_name)) return unicode();
  return glyphs(registry.get_font_index(font_name));
}

Bytes FontText::to_pivot(std::u16string_view text, const FontConverter& converter) const {
  if (!glyphs_) return UniCodetoGur(text);
  return converter.conversion(chars_as_bytes(text), index_, font_index::kPivot, false);
}

std::u16string FontText::from_pivot(BytesView pivot, const FontConverter& converter) const {
  if (!glyphs_) return GurToUnicode(pivot);
  return bytes_as_chars(converter.conversion(pivot, font_index::kPivot, index_, false));
}

std::u16string FontText::converted(std::u16string_view text, const FontText& from,
                                   const FontConverter& converter) const {
  if (from == *this) return std::u16string(text);
  return from_pivot(from.to_pivot(text, converter), converter);
}

}  // namespace quilm
