// Format_for_Gurmukhi.
#include "fonts/format_for_gurmukhi.h"

#include <utility>

namespace quilm {
namespace {

constexpr std::uint8_t kUnderscoreBindi = 0x5F;
constexpr std::uint8_t kBindi = 0x49;
constexpr std::uint8_t kAddak = 0x5A;
constexpr std::uint8_t kRaisedAddak = 0x60;
constexpr std::uint8_t kAiSign = 0x3F;
constexpr std::uint8_t kUra = 0x54;

// Signs drawn above the letter (AU, OO, EE, AI, both bindi glyphs, addak, tippi) ...
constexpr bool is_leading(std::uint8_t b) {
  return b == 0x22 || b == 0x27 || b == 0x2F || b == 0x3F || b == 0x41 || b == 0x49 || b == 0x5A || b == 0x7A;
}
// ... are stored after the signs drawn below it (subjoined VA, HA, RA, U, UU).
constexpr bool is_following(std::uint8_t b) {
  return b == 0x50 || b == 0x51 || b == 0x5B || b == 0x71 || b == 0x7B;
}

void unify_bindi(Bytes& text) {
  for (char& c : text)
    if (static_cast<std::uint8_t>(c) == kUnderscoreBindi) c = static_cast<char>(kBindi);
}

// In place, left to right: a sign moved forward is looked at again at its new
// place, so an upper sign passes every lower sign after it.
void order_signs(Bytes& text) {
  const std::size_t n = text.size();
  auto at = [&](std::size_t i) { return byte_at(text, i); };
  for (std::size_t i = 0; i < n; ++i) {
    const std::uint8_t c = at(i);
    const std::uint8_t p1 = i >= 1 ? at(i - 1) : 0;
    const std::uint8_t p2 = i >= 2 ? at(i - 2) : 0;
    if (c == kAddak && (p1 == kAiSign || p2 == kUra)) text[i] = static_cast<char>(kRaisedAddak);
    if (i + 1 < n && is_leading(c) && is_following(at(i + 1))) std::swap(text[i], text[i + 1]);
  }
}

// NA, dulainkar, tippi as the one ligature glyph 0x7E.
Bytes join_na_uu_tippi(const Bytes& text) {
  Bytes out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (i + 2 < text.size() && text[i] == 0x42 && text[i + 1] == 0x7B && text[i + 2] == 0x7A) {
      out.push_back(0x7E);
      i += 2;
    } else {
      out.push_back(text[i]);
    }
  }
  return out;
}

}  // namespace

Bytes Format_for_Gurmukhi(BytesView pivot) {
  Bytes text(pivot);
  unify_bindi(text);
  order_signs(text);
  return join_na_uu_tippi(text);
}

}  // namespace quilm
