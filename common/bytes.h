// Byte strings. Legacy-font and pivot text is a sequence of 8-bit glyph codes,
// never UTF-8 unless a function says so; these aliases make that visible.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace quilm {

using Bytes = std::string;          // owned byte string (glyph codes, file contents)
using BytesView = std::string_view; // borrowed byte string

inline std::uint8_t byte_at(BytesView s, std::size_t i) {
  return static_cast<std::uint8_t>(s[i]);
}

}  // namespace quilm
