// The stretches of the document that a font conversion replaces, and their
// replacement in the editor. The whole-document and the selection conversion
// cut the text into pieces by their own rules; both replace them here.
#pragma once

#include <string>
#include <vector>

#include "editor/editor.h"
#include "common/prompter.h"
#include "convert/destination_font.h"

namespace quilm {

// Characters [start, start + length) of the text, glyph bytes of font index
// `font`. The converted text takes `format` with the destination font name.
struct ConversionPiece {
  int start = 0;
  int length = 0;
  int font = 0;
  CharFormat format;

  int end() const { return start + length; }
};

// Replaces every piece (in order, not overlapping, positions of `text`, the
// document as it was when the pieces were cut) by its conversion into
// `destination`. Neighbouring pieces that take the same format are replaced
// in one edit. Progress steps are positions of the original text.
void replace_pieces(Editor& editor, const std::u16string& text, const std::vector<ConversionPiece>& pieces,
                    const DestinationFont& destination, Prompter& prompter);

}  // namespace quilm
