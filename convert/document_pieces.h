// How the font conversion of the whole document cuts the text into pieces.
//
// A character whose glyph byte is in the word-character set of its font
// belongs to a word; a word is in one font. A character of the same font
// that ends a word (a blank, a danda, a comma) is converted with the word,
// because its glyph too differs from font to font; one with no word before
// it is converted by itself. Left as they are: characters of fonts that are
// not Gurmukhi, characters already in the destination font, control
// characters and line ends, characters above U+00FF, and characters of
// Gurmukhi fonts that have no reader (they are reported instead).
#pragma once

#include <set>
#include <string>
#include <vector>

#include "editor/editor.h"
#include "convert/conversion_pieces.h"
#include "convert/source_fonts.h"

namespace quilm {

struct DocumentPieces {
  std::vector<ConversionPiece> pieces;
  // Gurmukhi font names whose text was left unconverted for want of a reader.
  std::set<std::string> unsupported;
  // The font index of the last character examined; -1 for an empty document.
  int last_font_index = font_index::kUndetermined;
};

DocumentPieces cut_document(const std::vector<TextRun>& runs, SourceFonts& sources,
                            const std::string& destination_name);

}  // namespace quilm
