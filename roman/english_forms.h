// Inflected forms whose stem a Roman dictionary knows (CheckEnglishForms):
// an English ending (-ing, -s, -ed, -ian ...) or a Punjabi plural ending
// (-an, -aan) is stripped, the stem looked up, and each spelling of the stem
// given the Gurmukhi ending.
#pragma once

#include <string_view>
#include <vector>

#include "common/bytes.h"
#include "roman/roman_dictionary.h"

namespace quilm {

// The forms for a Roman word of 4 letters or more, in the order of the
// ending rules, none of `fixed`, no form twice, at most `limit`.
std::vector<Bytes> CheckEnglishForms(const RomanDictionaries& dictionaries, std::string_view roman,
                                     const std::vector<Bytes>& fixed, std::size_t limit);

}  // namespace quilm
