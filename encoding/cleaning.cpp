// The cleaning passes. The passes that only shorten the text work in place
// with a read and a write position.
#include "encoding/cleaning.h"

#include "encoding/byte_set.h"
#include "encoding/pivot.h"
#include "encoding/pivot_bytes.h"

namespace quilm {
namespace {

using namespace pivot;

// Keeps one byte of every run of equal bytes that `collapses` accepts. A byte
// equal to the last one kept follows it directly in the input, since every
// byte in between was dropped for being equal to it.
template <typename Collapses>
void collapse_runs(Bytes& text, Collapses collapses) {
  std::size_t out = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (out > 0 && text[out - 1] == c && collapses(byte_at(text, i))) continue;
    text[out++] = c;
  }
  text.resize(out);
}

Bytes copy_and(BytesView text, void (*pass)(Bytes&)) {
  Bytes out(text);
  pass(out);
  return out;
}

}  // namespace

void special_characters_in_place(Bytes& text) {
  bool any = false;
  for (char c : text) any = any || !alternate_glyph(static_cast<std::uint8_t>(c)).empty();
  if (!any) return;
  Bytes out;
  out.reserve(text.size() + 8);
  for (char c : text) {
    const BytesView standard = alternate_glyph(static_cast<std::uint8_t>(c));
    if (standard.empty()) out.push_back(c);
    else out.append(standard);
  }
  text.swap(out);
}

void removing_spaces_in_place(Bytes& text) {
  std::size_t out = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (byte_at(text, i) == kIgnoredGlyph && i + 1 < text.size()) {
      text[out++] = text[++i];  // the byte after it is copied unexamined
      continue;
    }
    text[out++] = text[i];
  }
  text.resize(out);
}

void aunkar_dulankar_in_place(Bytes& text) {
  auto is_u_sign = [](std::uint8_t b) { return b == kSignU || b == kSignUU; };
  std::size_t out = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const std::uint8_t b = byte_at(text, i);
    if (is_u_sign(b) && i + 1 < text.size() && is_u_sign(byte_at(text, i + 1))) {
      const bool both_short = b == kSignU && byte_at(text, i + 1) == kSignU;
      text[out++] = static_cast<char>(both_short ? kSignU : kSignUU);
      ++i;
      continue;
    }
    text[out++] = text[i];
  }
  text.resize(out);
}

void removing_bindi_in_place(Bytes& text) {
  collapse_runs(text, [](std::uint8_t b) { return b == kBindi; });
  std::size_t out = 0;
  for (char c : text)
    if (static_cast<std::uint8_t>(c) != kIgnoredGlyph) text[out++] = c;
  text.resize(out);
}

void double_a_in_place(Bytes& text) {
  collapse_runs(text, [](std::uint8_t b) { return kDoubledSigns.contains(b); });
}

void removing_pairwalibindi_in_place(Bytes& text) {
  collapse_runs(text, [](std::uint8_t b) { return b == kNukta; });
}

Bytes special_characters(BytesView text) { return copy_and(text, special_characters_in_place); }
Bytes removing_spaces(BytesView text) { return copy_and(text, removing_spaces_in_place); }
Bytes aunkar_dulankar(BytesView text) { return copy_and(text, aunkar_dulankar_in_place); }
Bytes removing_bindi(BytesView text) { return copy_and(text, removing_bindi_in_place); }
Bytes double_a(BytesView text) { return copy_and(text, double_a_in_place); }
Bytes removing_pairwalibindi(BytesView text) { return copy_and(text, removing_pairwalibindi_in_place); }

}  // namespace quilm
