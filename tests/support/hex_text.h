// Byte strings and UTF-16 text written as hexadecimal in the test tables, so
// that a failure prints what differs. Every test program parses and prints
// its hexadecimal through these, in the grammar of common/hex.h; a malformed
// fixture throws, naming the bad token.
#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "common/bytes.h"
#include "common/hex.h"

namespace quilm::test::hex_text {

// "65 49 6B" -> the three bytes.
inline Bytes bytes(std::string_view hex) {
  std::string error;
  std::optional<Bytes> out = quilm::hex::parse_bytes(hex, &error);
  if (!out) throw std::invalid_argument("test fixture: " + error);
  return *out;
}

inline std::string hex(BytesView b) { return quilm::hex::format_bytes(b); }

// "0A15 0A3F" -> the two code units.
inline std::u16string units(std::string_view hex) {
  std::string error;
  std::optional<std::u16string> out = quilm::hex::parse_units(hex, &error);
  if (!out) throw std::invalid_argument("test fixture: " + error);
  return *out;
}

inline std::string hex(std::u16string_view u) { return quilm::hex::format_units(u); }

}  // namespace quilm::test::hex_text
