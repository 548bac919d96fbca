// How the font conversion of a selection cuts the text into pieces: every
// stretch of characters above the blank (U+0021..U+00FF) in one font is a
// word, converted from that font. Blanks, control characters and line ends
// stay as they are, and so do words in fonts that are not Gurmukhi and words
// already in the destination font.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "editor/editor.h"
#include "convert/conversion_pieces.h"
#include "convert/source_fonts.h"

namespace quilm {

struct SelectionPieces {
  std::vector<ConversionPiece> pieces;
  // The first Gurmukhi font of the selection that has no reader: the
  // selection is then not converted at all.
  std::optional<std::string> unsupported;
};

// The words of characters [start, start + length).
SelectionPieces cut_selection(const std::vector<TextRun>& runs, int start, int length, SourceFonts& sources,
                              const std::string& destination_name);

}  // namespace quilm
