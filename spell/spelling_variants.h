// The spelling-rule variants of an unknown Punjabi word: the word rewritten
// by twenty rules for the slips writers make (a nukta missed or added, a
// confusable letter, an addak, bindi or subjoined HA too few or too many,
// one-glyph vowel letters written as two glyphs and back, a hyphen). Each
// variant is handed to `visit` in rule order; the suggestion generators
// then search around each.
#pragma once

#include <functional>

#include "common/bytes.h"

namespace quilm {

void for_each_spelling_variant(BytesView word, const std::function<void(BytesView)>& visit);

}  // namespace quilm
