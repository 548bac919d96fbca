// A word of the document brought to the form the word collections hold:
// for a Gurmukhi font, the word converted into the pivot encoding (with the
// clean-up conversion applies to document text) and normalised by
// convert_for_gurmukhi; for other text, the lower-case word without an
// outer apostrophe or hyphen.
#pragma once

#include <optional>
#include <string_view>

#include "common/bytes.h"
#include "fonts/conversion.h"
#include "spell/lookup_mode.h"

namespace quilm {

// The conversion step alone: into pivot bytes from `font_index`, or the
// English lower-casing and trimming.
Bytes convert_dic_format(BytesView word, LookupMode mode, int font_index, const FontConverter& converter);
// The same for English text (no converter needed).
Bytes english_dic_format(BytesView word);

// Unicode Gurmukhi (precomposed nukta letters or base + U+0A3C alike) into
// pivot bytes, as a Unicode document's text is read.
Bytes unicode_word_to_pivot(std::u16string_view word);

struct LookupWord {
  Bytes word;            // what is looked up
  bool repairable = false;  // the glyph order alone was non-canonical
};

// Pivot bytes to lookup form (convert_for_gurmukhi); `repairable` when the
// cleaning passes changed the word and it does not begin with a hyphen.
LookupWord punjabi_lookup_word(BytesView pivot);

}  // namespace quilm
