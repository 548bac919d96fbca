// Gurmukhi into the 8-bit Devanagari fonts "Kruti Dev 010" and "Chanakya",
// letter for letter: a word is read into the pivot encoding, written by the
// Devanagari writer gur_to_kruti (font index 70) and, for Chanakya, recoded
// by kruti_to_chankya. The document is rewritten in place by the walks of
// the font conversion commands ("TransGurKru", "TransGurCha").
#pragma once

#include <string_view>

#include "common/bytes.h"
#include "convert/document_context.h"
#include "convert/font_conversion_result.h"
#include "fonts/conversion.h"

namespace quilm {

enum class DevanagariFont { KrutiDev, Chanakya };

inline constexpr std::string_view kKrutiDevFontName = "Kruti Dev 010";
inline constexpr std::string_view kChanakyaFontName = "Chanakya";
inline constexpr const char* kDevanagariCaption = "Transliterating from Gurmukhi to Devanagri...";

std::string_view font_name(DevanagariFont font);

// Pivot text in the glyph codes of the Devanagari font.
Bytes pivot_to_devanagari_font(BytesView pivot, DevanagariFont font, const FontConverter& converter);

// The Gurmukhi of the document (or selection) rewritten in the Devanagari
// font; every other text stays as it is. Switches the typing-context flag off.
FontConversionResult TransliterateDocument(DocumentContext& context, DevanagariFont font, int& last_word_font_index);
inline FontConversionResult TransGurKru(DocumentContext& context, int& last_word_font_index) {
  return TransliterateDocument(context, DevanagariFont::KrutiDev, last_word_font_index);
}
inline FontConversionResult TransGurCha(DocumentContext& context, int& last_word_font_index) {
  return TransliterateDocument(context, DevanagariFont::Chanakya, last_word_font_index);
}

}  // namespace quilm
