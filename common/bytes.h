// Byte strings. Legacy-font and pivot text is a sequence of 8-bit glyph codes,
// never UTF-8 unless a function says so; these aliases make that visible.
#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace quilm {

using Bytes = std::string;          // owned byte string (glyph codes, file contents)
using BytesView = std::string_view; // borrowed byte string

inline std::uint8_t byte_at(BytesView s, std::size_t i) {
  return static_cast<std::uint8_t>(s[i]);
}

// The length of `s` up to its first zero byte. A word is scanned in place:
// for a few bytes the library's memchr costs more than the scan.
inline std::size_t length_before_zero(BytesView s) {
  constexpr std::size_t kShort = 16;
  if (s.size() > kShort) {
    const void* zero = std::memchr(s.data(), 0, s.size());
    return zero ? static_cast<std::size_t>(static_cast<const char*>(zero) - s.data()) : s.size();
  }
  std::size_t n = 0;
  while (n < s.size() && s[n] != '\0') ++n;
  return n;
}

// ASCII letters changed case; other bytes (glyph codes) left as they are.
inline char ascii_upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }
inline char ascii_lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }
inline Bytes ascii_lower(BytesView s) {
  Bytes out(s);
  for (char& c : out) c = ascii_lower(c);
  return out;
}

}  // namespace quilm
