// Where the font conversion of the document writes: the destination font name
// that converted text takes, and the writer that produces its glyph bytes.
#pragma once

#include <string>
#include <string_view>

#include "common/bytes.h"
#include "fonts/conversion.h"
#include "fonts/registry.h"

namespace quilm {

// "PNB-TTAmar" has no font index of its own (it gives 30): its text is
// written by gur_to_cdac, the writer that no font index selects.
inline constexpr std::string_view kCdacFontName = "PNB-TTAmar";

class DestinationFont {
 public:
  DestinationFont(std::string name, const FontRegistry& registry, const FontConverter& converter);
  // Unicode text set in the Unicode font `font_name`; with `gurmukhi_digits`
  // the digits of the Gurmukhi fonts become Gurmukhi numerals.
  static DestinationFont unicode(std::string font_name, const FontConverter& converter,
                                 bool gurmukhi_digits = false);

  // A font that no font index names, written by the writer of `writer_index`
  // and then, when `finish` is given, recoded by it: "Kruti Dev 010" is
  // written by the Devanagari writer (70), "Chanakya" recodes that output.
  using Recoder = Bytes (*)(BytesView);
  DestinationFont(std::string name, int writer_index, const FontConverter& converter, Recoder finish = nullptr);

  const std::string& name() const { return name_; }
  // False when no writer produces this font: converting into it would leave
  // pivot bytes under a font name that draws them as something else.
  bool supported() const;

  // A word of font index `source`: read into the pivot encoding and tidied,
  // then written in the destination font (tidied again on the way out).
  Bytes convert_word(BytesView word, int source) const;
  // A stretch of glyph bytes of font index `source` (words with the blanks and
  // marks that end them) as the editor text that replaces it: glyph bytes as
  // the characters U+0000–U+00FF for a legacy font, Unicode for Unicode.
  std::u16string convert_piece(BytesView glyphs, int source) const;

 private:
  DestinationFont(std::string name, const FontConverter& converter);

  std::string name_;
  int index_;
  bool cdac_;
  bool unicode_ = false;
  bool gurmukhi_digits_ = false;
  const FontConverter& converter_;
  Recoder finish_ = nullptr;
};

}  // namespace quilm
