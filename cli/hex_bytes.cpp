// Hexadecimal byte lines.
#include "cli/hex_bytes.h"

namespace quilm::cli {
namespace {

int hex_digit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

bool blank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

}  // namespace

std::optional<Bytes> parse_hex_bytes(std::string_view line) {
  Bytes bytes;
  for (std::size_t i = 0; i < line.size();) {
    if (blank(line[i])) {
      ++i;
      continue;
    }
    int value = 0, digits = 0;
    for (; i < line.size() && !blank(line[i]); ++i, ++digits) {
      const int d = hex_digit(line[i]);
      if (d < 0 || digits == 2) return std::nullopt;
      value = value * 16 + d;
    }
    bytes.push_back(static_cast<char>(value));
  }
  return bytes;
}

void append_hex_bytes(BytesView bytes, Bytes& out) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (i) out.push_back(' ');
    const auto b = byte_at(bytes, i);
    out.push_back(kDigits[b >> 4]);
    out.push_back(kDigits[b & 15]);
  }
}

}  // namespace quilm::cli
