// The Roman normalisation both rule engines apply before they spell a word:
// common English-style endings and doubled vowels brought to the spellings
// the rules know ("nation" -> "nashn", "gaya" -> "gaaiaa", "ii" -> "ee").
#pragma once

#include <string>
#include <string_view>

namespace quilm {

std::string normalise_roman(std::string_view word);

}  // namespace quilm
