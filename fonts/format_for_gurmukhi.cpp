// Format_for_Gurmukhi.
#include "fonts/format_for_gurmukhi.h"

#include <array>
#include <cstring>
#include <utility>

#include "encoding/pivot_bytes.h"

namespace quilm {
namespace {

using pivot::kAddak;
using pivot::kAddak2;  // the raised addak
using pivot::kBindi;
using pivot::kBindi2;
using pivot::kLetterNA;
using pivot::kNaUuTippi;
using pivot::kSignAI;
using pivot::kSignUU;
using pivot::kTippi;
using pivot::kUra;

// Signs drawn above the letter (AU, OO, EE, AI, both bindi glyphs, addak,
// tippi) are stored after the signs drawn below it (subjoined VA, HA, RA, U, UU).
constexpr std::uint8_t kLeading = 1;
constexpr std::uint8_t kFollowing = 2;

constexpr std::array<std::uint8_t, 256> make_sign_classes() {
  std::array<std::uint8_t, 256> classes{};
  for (std::uint8_t b : {0x22, 0x27, 0x2F, 0x3F, 0x41, 0x49, 0x5A, 0x7A}) classes[b] = kLeading;
  for (std::uint8_t b : {0x50, 0x51, 0x5B, 0x71, 0x7B}) classes[b] = kFollowing;
  return classes;
}
constexpr std::array<std::uint8_t, 256> kSignClasses = make_sign_classes();

// In place, left to right: every 0x5F becomes 0x49 before the pass looks at
// it; a sign moved forward is looked at again at its new place, so an upper
// sign passes every lower sign after it.
void unify_bindi_and_order_signs(Bytes& text) {
  const std::size_t n = text.size();
  auto* t = reinterpret_cast<std::uint8_t*>(text.data());
  auto unify = [](std::uint8_t& b) { b = b == kBindi2 ? kBindi : b; };
  if (n) unify(t[0]);
  for (std::size_t i = 0; i < n; ++i) {
    if (i + 1 < n) unify(t[i + 1]);
    const std::uint8_t c = t[i];
    if (c == kAddak && ((i >= 1 && t[i - 1] == kSignAI) || (i >= 2 && t[i - 2] == kUra))) t[i] = kAddak2;
    if (i + 1 < n && kSignClasses[c] == kLeading && kSignClasses[t[i + 1]] == kFollowing) std::swap(t[i], t[i + 1]);
  }
}

// NA, dulainkar, tippi as the one ligature glyph 0x7E, in place.
void join_na_uu_tippi(Bytes& text) {
  if (!std::memchr(text.data(), kSignUU, text.size())) return;  // no dulainkar, no ligature
  std::size_t kept = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (i + 2 < text.size() && byte_at(text, i) == kLetterNA && byte_at(text, i + 1) == kSignUU &&
        byte_at(text, i + 2) == kTippi) {
      text[kept++] = static_cast<char>(kNaUuTippi);
      i += 2;
    } else {
      text[kept++] = text[i];
    }
  }
  text.resize(kept);
}

}  // namespace

void Format_for_Gurmukhi_in_place(Bytes& pivot) {
  unify_bindi_and_order_signs(pivot);
  join_na_uu_tippi(pivot);
}

Bytes Format_for_Gurmukhi(BytesView pivot) {
  Bytes text(pivot);
  Format_for_Gurmukhi_in_place(text);
  return text;
}

}  // namespace quilm
