// Byte strings written as hexadecimal in the conversion tests, so that a
// failure prints which glyph codes differ.
#pragma once

#include <cstdio>
#include <sstream>
#include <string>

#include "common/bytes.h"

namespace quilm::test {

// "41 59 88" -> the three bytes.
inline Bytes hex(const std::string& text) {
  std::istringstream in(text);
  Bytes bytes;
  for (std::string word; in >> word;) bytes.push_back(static_cast<char>(std::stoul(word, nullptr, 16)));
  return bytes;
}

inline std::string to_hex(BytesView bytes) {
  std::string s;
  char digits[4];
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    std::snprintf(digits, sizeof digits, "%02X", byte_at(bytes, i));
    s += (i ? " " : "") + std::string(digits);
  }
  return s;
}

}  // namespace quilm::test
