// Gurmukhi as the dictionary tables keep it: the glyph bytes of font index
// 31, read from and written to UTF-8 through the pivot encoding.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "common/bytes.h"
#include "fonts/conversion.h"

namespace quilm {

inline constexpr int kDictionaryFontIndex = 31;

// The index-31 bytes of UTF-8 Gurmukhi (other characters pass as ASCII or
// '?'); nullopt when `utf8` is not UTF-8.
std::optional<Bytes> dictionary_bytes_of_utf8(std::string_view utf8, const FontConverter& converter);

// UTF-8 of index-31 bytes.
std::string utf8_of_dictionary_bytes(BytesView bytes, const FontConverter& converter);

}  // namespace quilm
