// Byte strings and UTF-16 text written as hexadecimal in the test tables, so
// that a failure prints what differs. Every test program parses and prints
// its hexadecimal through these.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

#include "common/bytes.h"

namespace quilm::test::hex_text {

// Calls add(n) for every hexadecimal number of `width` digits in `hex`,
// which separates them with spaces.
template <typename Add>
void for_each_number(std::string_view hex, std::size_t width, Add add) {
  for (std::size_t i = 0; i < hex.size();) {
    if (hex[i] == ' ') {
      ++i;
      continue;
    }
    add(std::stoi(std::string(hex.substr(i, width)), nullptr, 16));
    i += width;
  }
}

// "65 49 6B" -> the three bytes.
inline Bytes bytes(std::string_view hex) {
  Bytes out;
  for_each_number(hex, 2, [&](int n) { out.push_back(static_cast<char>(n)); });
  return out;
}

inline std::string hex(BytesView b) {
  std::string out;
  char buf[4];
  for (std::size_t i = 0; i < b.size(); ++i) {
    std::snprintf(buf, sizeof buf, "%02X", static_cast<unsigned>(byte_at(b, i)));
    out += (i ? " " : "") + std::string(buf);
  }
  return out;
}

// "0A15 0A3F" -> the two code units.
inline std::u16string units(std::string_view hex) {
  std::u16string out;
  for_each_number(hex, 4, [&](int n) { out.push_back(static_cast<char16_t>(n)); });
  return out;
}

inline std::string hex(std::u16string_view u) {
  std::string out;
  char buf[8];
  for (std::size_t i = 0; i < u.size(); ++i) {
    std::snprintf(buf, sizeof buf, "%04X", static_cast<unsigned>(u[i]));
    out += (i ? " " : "") + std::string(buf);
  }
  return out;
}

}  // namespace quilm::test::hex_text
