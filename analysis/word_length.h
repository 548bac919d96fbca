// The length of a word in letters, as the word-frequency table shows it:
// the bytes of the word as it stands, corrected over its pivot form for
// glyphs that are not letters (a nukta, which makes another letter of the
// one before it) and for one-glyph forms that stand for two or three
// letters. A lone nukta has length 0; the length is never below 0.
#pragma once

#include "common/bytes.h"

namespace quilm {

int word_length(std::size_t length_as_it_stands, BytesView pivot);

}  // namespace quilm
