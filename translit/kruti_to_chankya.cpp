#include "translit/kruti_to_chankya.h"

#include <array>
#include <string_view>

#include "translit/kruti_to_chankya_tables.inc"

namespace quilm {
namespace {

// KHA is two Kruti Dev glyphs and one Chanakya glyph.
constexpr std::uint8_t kKhaFirst = 0x5B, kKhaSecond = 0x6B, kChanakyaKha = 0xB9;
// The glyphs after which Chanakya joins the next one with kChanakyaJoiner.
constexpr std::uint8_t kJoinsNextA = 0x51, kJoinsNextB = 0x64;

void append_glyphs(std::uint8_t b, Bytes& out) {
  const std::string_view mapped = kKrutiToChankya[b];
  if (mapped.empty()) {
    out += static_cast<char>(b);
  } else {
    out += mapped;
  }
}

}  // namespace

Bytes kruti_to_chankya(BytesView kruti) {
  Bytes out;
  out.reserve(kruti.size() * 2);
  for (std::size_t i = 0; i < kruti.size();) {
    const std::uint8_t b = byte_at(kruti, i);
    const std::uint8_t next = i + 1 < kruti.size() ? byte_at(kruti, i + 1) : 0;
    if (b == kKhaFirst && next == kKhaSecond) {
      out += static_cast<char>(kChanakyaKha);
      i += 2;
      continue;
    }
    append_glyphs(b, out);
    if ((b == kJoinsNextA || b == kJoinsNextB) && i + 1 < kruti.size()) out += kChanakyaJoiner[next];
    ++i;
  }
  return out;
}

}  // namespace quilm
