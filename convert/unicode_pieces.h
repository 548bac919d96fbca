// The two readings of Unicode text split into runs (encoding/unicode_runs.h):
// into the text of one legacy font, and into the document in the default
// fonts, Gurmukhi in the Punjabi one and the rest in the English one.
#pragma once

#include <string>
#include <string_view>

#include "convert/document_context.h"

namespace quilm {

// Editor text in font index `target`: Gurmukhi runs converted from the pivot
// encoding, Latin letters as they are, a separator that has a byte converted
// from the Quilm encoding (a full stop first becoming the danda key 0x7C),
// any other character kept as it is.
std::u16string unicode_to_font_text(std::u16string_view units, int target, const FontConverter& converter,
                                    Prompter& prompter);

// Empties the document and inserts `text`: Gurmukhi runs converted into the
// Punjabi default font and set in it, Latin runs and separators as they are
// in the English default font. The caret ends at 0.
void insert_unicode_pieces(const DocumentContext& context, std::u16string_view text);

// Inserts `text` at the caret in `font` and `size`.
void insert_in_font(Editor& editor, const std::u16string& text, const std::string& font, int size);

}  // namespace quilm
