// The four quotation-mark buttons of the tool bar: the left and right single
// and double quotation marks, which Windows code page 1252 puts at 0x91 to
// 0x94 and the legacy Gurmukhi fonts leave at those places.
#pragma once

#include <array>

#include "editor/editor.h"
#include "fonts/registry.h"

namespace quilm {

inline constexpr std::array<char16_t, 4> kQuotationMarks = {u'\u2018', u'\u2019', u'\u201C', u'\u201D'};

// Replaces the selection with `mark`. In a legacy Gurmukhi font, whose text
// the editor holds as glyph bytes, that is the mark's code page 1252 byte;
// in any other font the mark itself.
void insert_quotation_mark(Editor& editor, const FontRegistry& fonts, char16_t mark);

}  // namespace quilm
