// Hexadecimal text: one grammar for bytes and UTF-16 code units.
#include "common/hex.h"

namespace quilm::hex {
namespace {

constexpr char kDigits[] = "0123456789ABCDEF";

int digit_value(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

bool is_blank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

// The value of a token of exactly `width` digits, or nullopt.
std::optional<unsigned> number(std::string_view token, std::size_t width) {
  if (token.size() != width) return std::nullopt;
  unsigned value = 0;
  for (char c : token) {
    const int d = digit_value(c);
    if (d < 0) return std::nullopt;
    value = value * 16 + static_cast<unsigned>(d);
  }
  return value;
}

// Calls add(value) for every token of `text`; false (with `error` set) at the
// first token that is not `width` digits.
template <typename Add>
bool for_each_number(std::string_view text, std::size_t width, const char* what, std::string* error, Add add) {
  std::size_t i = 0;
  while (i < text.size()) {
    if (is_blank(text[i])) {
      ++i;
      continue;
    }
    std::size_t end = i;
    while (end < text.size() && !is_blank(text[end])) ++end;
    const std::string_view token = text.substr(i, end - i);
    const std::optional<unsigned> value = number(token, width);
    if (!value) {
      if (error)
        *error = "\"" + std::string(token) + "\" is not " + what + ": write " + (width == 2 ? "two" : "four") +
                 " hexadecimal digits";
      return false;
    }
    add(*value);
    i = end;
  }
  return true;
}

void append_number(unsigned value, std::size_t width, std::string& out) {
  for (std::size_t shift = width * 4; shift > 0; shift -= 4) out.push_back(kDigits[(value >> (shift - 4)) & 15]);
}

}  // namespace

std::optional<std::uint8_t> parse_byte(std::string_view token) {
  const std::optional<unsigned> value = number(token, 2);
  if (!value) return std::nullopt;
  return static_cast<std::uint8_t>(*value);
}

std::optional<Bytes> parse_bytes(std::string_view text, std::string* error) {
  Bytes out;
  if (!for_each_number(text, 2, "a byte", error, [&](unsigned v) { out.push_back(static_cast<char>(v)); }))
    return std::nullopt;
  return out;
}

std::optional<std::u16string> parse_units(std::string_view text, std::string* error) {
  std::u16string out;
  if (!for_each_number(text, 4, "a UTF-16 code unit", error,
                       [&](unsigned v) { out.push_back(static_cast<char16_t>(v)); }))
    return std::nullopt;
  return out;
}

std::string format_byte(std::uint8_t b) {
  std::string out;
  append_number(b, 2, out);
  return out;
}

void append_bytes(BytesView bytes, std::string& out) {
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (i) out.push_back(' ');
    append_number(byte_at(bytes, i), 2, out);
  }
}

std::string format_bytes(BytesView bytes) {
  std::string out;
  append_bytes(bytes, out);
  return out;
}

std::string format_units(std::u16string_view units) {
  std::string out;
  for (std::size_t i = 0; i < units.size(); ++i) {
    if (i) out.push_back(' ');
    append_number(units[i], 4, out);
  }
  return out;
}

}  // namespace quilm::hex
