// UTF-16LE and UTF-8 encoding and decoding.
#include "encoding/utf16.h"

#include <bit>
#include <cstring>

namespace quilm {

void append_utf16le(std::u16string_view text, Bytes& out) {
  const std::size_t start = out.size();
  out.resize(start + 2 * text.size());
  char* p = out.data() + start;
  if constexpr (std::endian::native == std::endian::little) {
    if (!text.empty()) std::memcpy(p, text.data(), 2 * text.size());  // the units as they lie in memory
    return;
  }
  for (char16_t c : text) {
    *p++ = static_cast<char>(c & 0xFF);
    *p++ = static_cast<char>(c >> 8);
  }
}

Bytes to_utf16le(std::u16string_view text, bool bom) {
  Bytes out;
  out.reserve(2 * text.size() + 2);
  if (bom) out.append(kUtf16Bom);
  append_utf16le(text, out);
  return out;
}

std::optional<std::u16string> from_utf16le(BytesView bytes) {
  if (bytes.substr(0, 2) == kUtf16Bom) bytes.remove_prefix(2);
  if (bytes.size() % 2 != 0) return std::nullopt;
  std::u16string out(bytes.size() / 2, u'\0');
  for (std::size_t i = 0; i < out.size(); ++i)
    out[i] = static_cast<char16_t>(byte_at(bytes, 2 * i) | (byte_at(bytes, 2 * i + 1) << 8));
  return out;
}

void append_utf8(std::u16string_view text, Bytes& out) {
  // Written through a cursor into room for the longest result (three bytes
  // per unit; a surrogate pair takes four for its two units).
  const std::size_t start = out.size();
  out.resize(start + 3 * text.size());
  char* p = out.data() + start;
  for (std::size_t i = 0; i < text.size(); ++i) {
    char32_t c = text[i];
    if (c < 0x80) {
      *p++ = static_cast<char>(c);
      continue;
    }
    if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
      c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
      *p++ = static_cast<char>(0xF0 | (c >> 18));
      *p++ = static_cast<char>(0x80 | ((c >> 12) & 0x3F));
      *p++ = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      *p++ = static_cast<char>(0x80 | (c & 0x3F));
      continue;
    }
    if (c >= 0xD800 && c <= 0xDFFF) c = 0xFFFD;
    p += write_utf8_bmp(static_cast<char16_t>(c), p);
  }
  out.resize(static_cast<std::size_t>(p - out.data()));
}

Bytes to_utf8(std::u16string_view text) {
  Bytes out;
  out.reserve(text.size() * 3);
  append_utf8(text, out);
  return out;
}

namespace {

// The length of the UTF-8 sequence at bytes[i] and its character; a length
// of zero when the bytes there are not UTF-8 (a bad lead or continuation
// byte, a sequence cut short, an overlong form, a surrogate, a character
// past U+10FFFF).
struct Utf8Sequence {
  std::size_t length;
  char32_t c;
};

Utf8Sequence utf8_sequence_at(BytesView bytes, std::size_t i) {
  const std::uint8_t b = byte_at(bytes, i);
  const int extra = b < 0x80 ? 0 : (b >> 5) == 6 ? 1 : (b >> 4) == 14 ? 2 : (b >> 3) == 30 ? 3 : -1;
  char32_t c = extra == 0 ? b : extra == 1 ? (b & 0x1F) : extra == 2 ? (b & 0x0F) : (b & 0x07);
  bool ok = extra >= 0 && i + static_cast<std::size_t>(extra < 0 ? 0 : extra) < bytes.size();
  for (int k = 1; ok && k <= extra; ++k) {
    const std::uint8_t next = byte_at(bytes, i + k);
    ok = (next & 0xC0) == 0x80;
    c = (c << 6) | (next & 0x3F);
  }
  const char32_t least[] = {0, 0x80, 0x800, 0x10000};
  ok = ok && (extra <= 0 || c >= least[extra]) && c <= 0x10FFFF && !(c >= 0xD800 && c <= 0xDFFF);
  return {ok ? static_cast<std::size_t>(extra) + 1 : 0, c};
}

// 3 when bytes[i] begins a well-formed three-byte sequence (U+0800..U+FFFF
// without the surrogates), else 0: the quick test for the commonest
// characters of Indian scripts.
std::size_t three_byte_sequence_at(BytesView bytes, std::size_t i) {
  const std::uint8_t b = byte_at(bytes, i);
  if ((b & 0xF0) != 0xE0 || i + 2 >= bytes.size()) return 0;
  const std::uint8_t second = byte_at(bytes, i + 1), third = byte_at(bytes, i + 2);
  const std::uint8_t least = b == 0xE0 ? 0xA0 : 0x80, most = b == 0xED ? 0x9F : 0xBF;
  return second >= least && second <= most && (third & 0xC0) == 0x80 ? 3 : 0;
}

}  // namespace

std::optional<std::size_t> first_non_utf8_byte(BytesView bytes) {
  constexpr std::uint64_t kHighBits = 0x8080808080808080ull;
  for (std::size_t i = 0; i < bytes.size();) {
    std::uint64_t eight;
    if (i + 8 <= bytes.size() && (std::memcpy(&eight, bytes.data() + i, 8), (eight & kHighBits) == 0)) {
      i += 8;
      continue;
    }
    if (const std::size_t three = three_byte_sequence_at(bytes, i)) {  // Gurmukhi, Devanagari
      i += three;
      continue;
    }
    const std::size_t length = utf8_sequence_at(bytes, i).length;
    if (length == 0) return i;
    i += length;
  }
  return std::nullopt;
}

std::optional<std::u16string> from_utf8(BytesView bytes, std::size_t* bad_at) {
  std::u16string out;
  out.reserve(bytes.size());
  for (std::size_t i = 0; i < bytes.size();) {
    auto [length, c] = utf8_sequence_at(bytes, i);
    if (length == 0) {
      if (bad_at) *bad_at = i;
      return std::nullopt;
    }
    if (c >= 0x10000) {
      c -= 0x10000;
      out.push_back(static_cast<char16_t>(0xD800 + (c >> 10)));
      out.push_back(static_cast<char16_t>(0xDC00 + (c & 0x3FF)));
    } else {
      out.push_back(static_cast<char16_t>(c));
    }
    i += length;
  }
  return out;
}

}  // namespace quilm
