// The conversion driver: text of one font index into another, through the
// pivot encoding. Nearly every language tool converts its words with it:
// into the pivot encoding (destination 9) to work on them, and back into
// the font of the document to show the result.
#pragma once

#include <string_view>

#include "common/bytes.h"
#include "fonts/conversion_context.h"
#include "fonts/conversion_tables.h"
#include "fonts/word_conversion.h"

namespace quilm {

// Which halves of a conversion a font index has: a reader into the pivot
// encoding, a writer out of it. The pivot encoding (9) and the identity
// encoding (8) have both, since text in them needs no converting.
struct ConversionSupport {
  bool reads = false;
  bool writes = false;
};
ConversionSupport conversion_support(int font_index);

// True when text of `font_index` converts both ways. False for names that
// are not supported (30), for the destination-only Devanagari index (70),
// and for encodings that are recognised but whose glyph layout has no
// tables yet (DhunGuruNanak, GOLD): conversion would pass their text
// unchanged, so the conversion dialogs say so instead of converting.
bool convertible(int font_index);

class FontConverter {
 public:
  // `context` (the workspace's) outlives the converter; writers update it.
  explicit FontConverter(ConversionContext& context) : context_(context) {}

  // Reads `text` of font index `source` into the pivot encoding, tidies it
  // with Format_for_Gurmukhi when `format` is on (document text and word
  // lookups; off for whole files), and writes it in font index
  // `destination`. A source equal to the destination with `format` off
  // gives the text unchanged; with `format` on it goes the whole way. An
  // index without a reader or writer (8, 9, 30, and families whose tables
  // are still to come) passes the text unchanged on that side.
  Bytes conversion(BytesView text, int source, int destination, bool format) const;

  // The two halves of conversion.
  Bytes to_pivot(BytesView text, int source) const;
  Bytes from_pivot(BytesView pivot, int destination) const;

  // The same halves for a caller that converts many texts of one font in
  // turn (the words of a line): each text as to_pivot or from_pivot converts
  // it, in room that all of them share, sized for texts of up to `longest`
  // bytes (fonts/word_conversion.h). to_pivot and from_pivot are their
  // one-text use.
  WordReader word_reader(int source, std::size_t longest) const;
  WordWriter word_writer(int destination, std::size_t longest) const;

  // A reader or writer by its name ("anmollipi_to_gur", "gur_to_satluj").
  // False when there is no converter of that name; `out` is then untouched.
  bool convert_with(std::string_view converter, BytesView text, Bytes& out) const;

  ConversionContext& context() const { return context_; }

 private:
  ConversionContext& context_;
};

}  // namespace quilm
