// Byte strings and UTF-16 text written as hexadecimal in the test tables, so
// that a failure prints what differs. Every test program parses and prints
// its hexadecimal through these.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

#include "common/bytes.h"

namespace quilm::test::hex_text {

// "65 49 6B" -> the three bytes.
inline Bytes bytes(std::string_view hex) {
  Bytes out;
  for (std::size_t i = 0; i < hex.size();) {
    if (hex[i] == ' ') {
      ++i;
      continue;
    }
    out.push_back(static_cast<char>(std::stoi(std::string(hex.substr(i, 2)), nullptr, 16)));
    i += 2;
  }
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
  for (std::size_t i = 0; i < hex.size();) {
    if (hex[i] == ' ') {
      ++i;
      continue;
    }
    out.push_back(static_cast<char16_t>(std::stoi(std::string(hex.substr(i, 4)), nullptr, 16)));
    i += 4;
  }
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
