#include "convert/destination_font.h"

#include <utility>

#include "fonts/gurmukhi_digits.h"
#include "fonts/text_conversion.h"

namespace quilm {
namespace {

constexpr std::string_view kCdacWriter = "gur_to_cdac";

}  // namespace

DestinationFont::DestinationFont(std::string name, const FontRegistry& registry, const FontConverter& converter)
    : name_(std::move(name)),
      index_(registry.get_font_index(name_)),
      cdac_(name_ == kCdacFontName),
      converter_(converter) {}

DestinationFont::DestinationFont(std::string name, const FontConverter& converter)
    : name_(std::move(name)), index_(font_index::kNotSupported), cdac_(false), unicode_(true), converter_(converter) {}

DestinationFont DestinationFont::unicode(std::string font_name, const FontConverter& converter,
                                         bool gurmukhi_digits) {
  DestinationFont unicode(std::move(font_name), converter);
  unicode.gurmukhi_digits_ = gurmukhi_digits;
  return unicode;
}

DestinationFont::DestinationFont(std::string name, int writer_index, const FontConverter& converter, Recoder finish)
    : name_(std::move(name)), index_(writer_index), cdac_(false), converter_(converter), finish_(finish) {}

bool DestinationFont::supported() const {
  if (cdac_ || unicode_) return true;
  return index_ != font_index::kNotSupported && conversion_support(index_).writes;
}

Bytes DestinationFont::convert_word(BytesView word, int source) const {
  const Bytes pivot = converter_.conversion(word, source, font_index::kPivot, true);
  if (!cdac_) {
    Bytes written = converter_.conversion(pivot, font_index::kPivot, index_, true);
    return finish_ ? finish_(written) : written;
  }
  Bytes out;
  converter_.convert_with(kCdacWriter, pivot, out);
  return out;
}

std::u16string DestinationFont::convert_piece(BytesView glyphs, int source) const {
  if (unicode_) {
    std::u16string text = legacy_text_to_unicode(glyphs, source, converter_, UnicodeScript::Gurmukhi);
    if (gurmukhi_digits_) use_gurmukhi_digits(text);
    return text;
  }
  const Bytes converted = convert_word(glyphs, source);
  std::u16string text;
  text.reserve(converted.size());
  for (char b : converted) text.push_back(static_cast<unsigned char>(b));
  return text;
}

}  // namespace quilm
