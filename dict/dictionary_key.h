// The key under which the Punjabi-English dictionary and the table of word
// roots keep a word: the word's Gurmukhi collation key with each of its
// bytes written as a decimal number, one after the other (the key bytes
// 0xC4 0x82 give "196130"). The word is in the glyph bytes of font index 31,
// as those tables store their words.
#pragma once

#include "common/bytes.h"

namespace quilm {

Bytes dictionary_key(BytesView word);

}  // namespace quilm
