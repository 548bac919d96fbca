#include "typing/symbol_insertion.h"

#include "encoding/unicode_output.h"
#include "fonts/font_index.h"
#include "typing/legal_check.h"

namespace quilm::typing {
namespace {

std::u16string as_glyphs(BytesView bytes) {
  std::u16string text;
  text.reserve(bytes.size());
  for (unsigned char b : bytes) text.push_back(static_cast<char16_t>(b));
  return text;
}

bool unicode_font(const std::string& name, const PunjabiDefault& fallback) { return name == fallback.unicode_font; }

// The encodings of index 9 and 31 draw the double quotation marks at 0x40
// and 0x23, twice over.
bool quotation_in_pivot_family(int index, BytesView quilm) {
  return (index == font_index::kPivot || index == 31) && !quilm.empty() &&
         (byte_at(quilm, 0) == 0x93 || byte_at(quilm, 0) == 0x94);
}

Bytes symbol_for_index(BytesView quilm, int index, const FontConverter& converter) {
  if (quotation_in_pivot_family(index, quilm)) return quilm == "\x93" ? "\x40\x40" : "\x23\x23";
  if (index == font_index::kQuilm) return Bytes(quilm);
  return converter.conversion(quilm, font_index::kQuilm, index, false);
}

}  // namespace

std::u16string symbol_in_font(BytesView quilm, const std::string& font_name, const FontRegistry& fonts,
                              const FontConverter& converter) {
  if (!fonts.check_font_punjabi(font_name))
    return GurToUnicode(converter.to_pivot(quilm, font_index::kQuilm));
  return as_glyphs(symbol_for_index(quilm, fonts.get_font_index(font_name), converter));
}

SymbolResult insert_symbol(Keyboard& kb, BytesView quilm, const PunjabiDefault& fallback) {
  const FontConverter converter(kb.conversion);
  std::string font = kb.editor.FontName();
  if (unicode_font(font, fallback)) {
    kb.editor.SetSelText(GurToUnicode(converter.to_pivot(quilm, font_index::kQuilm)));
    return SymbolResult::Inserted;
  }
  if (!kb.fonts.check_font_punjabi(font)) {
    kb.editor.SetFontName(fallback.font);
    kb.editor.SetFontSize(fallback.size);
    font = fallback.font;
  }
  const int index = kb.fonts.get_font_index(font);
  Bytes symbol = symbol_for_index(quilm, index, converter);
  if (symbol.empty()) return SymbolResult::Inserted;
  SymbolResult result = SymbolResult::Inserted;
  if (kb.check_option) {
    const std::uint8_t next = symbol.size() > 1 ? byte_at(symbol, 1) : 0;
    const CheckOutcome outcome = OnScreenKeyPress(kb, index, byte_at(symbol, 0), next);
    if (outcome.refused()) return SymbolResult::Refused;
    if (outcome.composed) {
      symbol.erase(0, 1);
      result = SymbolResult::Composed;
    } else {
      symbol[0] = static_cast<char>(outcome.key);
    }
  }
  if (!symbol.empty()) kb.editor.SetSelText(as_glyphs(symbol));
  return result;
}

}  // namespace quilm::typing
