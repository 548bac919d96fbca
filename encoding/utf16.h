// Unicode text as bytes: the program's Unicode files are UTF-16 little-endian
// with a byte-order mark; the command line speaks UTF-8.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "common/bytes.h"

namespace quilm {

inline constexpr BytesView kUtf16Bom = "\xFF\xFE";
inline constexpr BytesView kUtf8Bom = "\xEF\xBB\xBF";

// UTF-16LE bytes of `text`, after the byte-order mark when `bom` is on.
Bytes to_utf16le(std::u16string_view text, bool bom);
void append_utf16le(std::u16string_view text, Bytes& out);
// The code units of UTF-16LE bytes (a leading byte-order mark is dropped);
// nullopt for an odd number of bytes.
std::optional<std::u16string> from_utf16le(BytesView bytes);

// Writes the UTF-8 of `c`, a character of the BMP that is not a surrogate,
// at `out` (room for three bytes); returns how many bytes it took.
inline std::size_t write_utf8_bmp(char16_t c, char* out) {
  if (c < 0x80) {
    out[0] = static_cast<char>(c);
    return 1;
  }
  if (c < 0x800) {
    out[0] = static_cast<char>(0xC0 | (c >> 6));
    out[1] = static_cast<char>(0x80 | (c & 0x3F));
    return 2;
  }
  out[0] = static_cast<char>(0xE0 | (c >> 12));
  out[1] = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
  out[2] = static_cast<char>(0x80 | (c & 0x3F));
  return 3;
}

// UTF-8 of `text`; an unpaired surrogate becomes U+FFFD.
void append_utf8(std::u16string_view text, Bytes& out);
Bytes to_utf8(std::u16string_view text);
// The UTF-16 code units of UTF-8 text; nullopt when it is not UTF-8, with
// the offset of the first bad byte in `bad_at`.
std::optional<std::u16string> from_utf8(BytesView bytes, std::size_t* bad_at = nullptr);
// The offset of the first byte that from_utf8 rejects; nullopt for UTF-8.
// Reads runs of ASCII eight bytes at a time.
std::optional<std::size_t> first_non_utf8_byte(BytesView bytes);

}  // namespace quilm
