// convert_tippi_bindi: chooses tippi or bindi for every nasal sign of pivot
// text that arrives with one kind only (ISCII has one nasal sign). Tippi
// follows a consonant, a short vowel or a subjoined letter; bindi follows a
// long vowel sign or the letter OO.
#pragma once

#include "common/bytes.h"

namespace quilm {

Bytes convert_tippi_bindi(BytesView text);

}  // namespace quilm
