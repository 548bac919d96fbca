#include "dict/gurmukhi_text.h"

#include "encoding/unicode_input.h"
#include "encoding/unicode_output.h"
#include "encoding/unicode_runs.h"
#include "encoding/utf16.h"
#include "fonts/font_index.h"

namespace quilm {

std::optional<Bytes> dictionary_bytes_of_utf8(std::string_view utf8, const FontConverter& converter) {
  const std::optional<std::u16string> text = from_utf8(utf8);
  if (!text) return std::nullopt;
  Bytes pivot;
  for (const UnicodePiece& piece : split_unicode_runs(*text)) {
    if (piece.kind == UnicodePiece::Kind::Gurmukhi) {
      UniCodetoGur(piece.text, pivot);
    } else {
      for (char16_t c : piece.text) pivot += c < 0x80 ? static_cast<char>(c) : '?';
    }
  }
  return converter.conversion(pivot, font_index::kPivot, kDictionaryFontIndex, true);
}

std::string utf8_of_dictionary_bytes(BytesView bytes, const FontConverter& converter) {
  return to_utf8(GurToUnicode(converter.to_pivot(bytes, kDictionaryFontIndex)));
}

}  // namespace quilm
