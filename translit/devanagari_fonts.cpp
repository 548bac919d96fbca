#include "translit/devanagari_fonts.h"

#include "convert/change_font.h"
#include "convert/destination_font.h"
#include "fonts/font_index.h"
#include "translit/kruti_to_chankya.h"

namespace quilm {

std::string_view font_name(DevanagariFont font) {
  return font == DevanagariFont::KrutiDev ? kKrutiDevFontName : kChanakyaFontName;
}

Bytes pivot_to_devanagari_font(BytesView pivot, DevanagariFont font, const FontConverter& converter) {
  Bytes kruti = converter.conversion(pivot, font_index::kPivot, font_index::kDevanagari, true);
  return font == DevanagariFont::Chanakya ? kruti_to_chankya(kruti) : kruti;
}

FontConversionResult TransliterateDocument(DocumentContext& context, DevanagariFont font, int& last_word_font_index) {
  const DestinationFont destination(std::string(font_name(font)), font_index::kDevanagari, context.converter,
                                    font == DevanagariFont::Chanakya ? &kruti_to_chankya : nullptr);
  return ConvertIntoFont(context, destination, kDevanagariCaption, last_word_font_index);
}

}  // namespace quilm
