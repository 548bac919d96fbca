// UniCodetoGur, over the tables of encoding/tables/unicode_to_gur.txt.
#include "encoding/unicode_input.h"

#include <algorithm>
#include <array>
#include <optional>

#include "encoding/pivot.h"
#include "encoding/unicode_meaning.h"

namespace quilm {
namespace {

#include "encoding/unicode_to_gur_tables.inc"

constexpr char16_t kGurmukhiBlock = 0x0A00, kDevanagariBlock = 0x0900;
constexpr std::uint8_t kViramaLow = 0x4D, kSignILow = 0x3F, kNuktaLow = 0x3C;

bool in_block(char16_t c, char16_t block) { return c >= block && c < block + 0x80; }
bool is_indic(char16_t c) { return in_block(c, kGurmukhiBlock) || in_block(c, kDevanagariBlock); }
std::uint8_t low(char16_t c) { return static_cast<std::uint8_t>(c & 0xFF); }
bool is_low(char16_t c, std::uint8_t l) { return is_indic(c) && low(c) == l; }

BytesView pivot_of_letter(char16_t c) {
  return in_block(c, kGurmukhiBlock) ? kGurmukhiLowByte[low(c)] : kDevanagariLowByte[low(c)];
}

// Punctuation outside a Gurmukhi run: the first pivot byte that stands for
// exactly that character.
const std::array<std::uint8_t, 256>& punctuation_bytes() {
  static const std::array<std::uint8_t, 256> bytes = [] {
    std::array<std::uint8_t, 256> b{};
    for (int p = 255; p >= 0; --p) {
      const auto u = pivot::unicode(static_cast<std::uint8_t>(p));
      const auto role = pivot::role(static_cast<std::uint8_t>(p));
      const bool plain = role == pivot::Role::Punctuation || role == pivot::Role::Digit ||
                         role == pivot::Role::Control;
      if (plain && u.size() == 1 && u[0] < 0x100) b[u[0]] = static_cast<std::uint8_t>(p);
    }
    return b;
  }();
  return bytes;
}

bool has_sihari(std::u16string_view text) {
  for (char16_t c : text)
    if (is_low(c, kSignILow)) return true;
  return false;
}

// Sihari is written after its consonant in Unicode and stored before it: it
// moves before the consonant, before a consonant, VIRAMA, consonant cluster,
// and before a consonant and its separate nukta.
std::u16string sihari_before_consonant(std::u16string_view text) {
  std::u16string t(text);
  for (std::size_t i = 1; i < t.size(); ++i) {
    if (!is_low(t[i], kSignILow)) continue;
    std::size_t to = i - 1;
    if (to >= 1 && is_low(t[to], kNuktaLow)) --to;
    if (to >= 2 && is_low(t[to - 1], kViramaLow)) to -= 2;
    std::rotate(t.begin() + static_cast<std::ptrdiff_t>(to), t.begin() + static_cast<std::ptrdiff_t>(i),
                t.begin() + static_cast<std::ptrdiff_t>(i + 1));
  }
  return t;
}

void append_unit(std::u16string_view t, std::size_t& i, Bytes& out) {
  const char16_t c = t[i];
  if (const auto byte = unknown_glyph_byte(c)) {
    out.push_back(static_cast<char>(*byte));
    return;
  }
  if (!is_indic(c)) {
    const std::uint8_t b = c < 0x100 ? punctuation_bytes()[c] : 0;
    out.push_back(static_cast<char>(b || c == 0 ? b : 0x3C));
    return;
  }
  if (low(c) == kViramaLow && i + 1 < t.size() && is_indic(t[i + 1])) {
    const BytesView subjoined = kSubjoinedLowByte[low(t[i + 1])];
    if (!subjoined.empty()) {
      out.append(subjoined);
      ++i;
      return;
    }
  }
  const BytesView letter = pivot_of_letter(c);
  if (letter.size() == 1) out.push_back(letter[0]);  // most letters
  else if (letter.empty()) out.push_back('\x3C');
  else out.append(letter);
}

}  // namespace

std::optional<std::uint8_t> pivot_punctuation_byte(char16_t c) {
  if (c >= 0x100) return std::nullopt;
  const std::uint8_t b = punctuation_bytes()[c];
  if (b == 0 && c != 0) return std::nullopt;
  return b;
}

bool has_pivot_glyph(char16_t c) {
  if (unknown_glyph_byte(c)) return true;
  return is_indic(c) && !pivot_of_letter(c).empty();
}

void UniCodetoGur(std::u16string_view text, Bytes& out) {
  std::u16string reordered;
  if (has_sihari(text)) text = reordered = sihari_before_consonant(text);
  for (std::size_t i = 0; i < text.size(); ++i) append_unit(text, i, out);
}

Bytes UniCodetoGur(std::u16string_view text) {
  Bytes out;
  out.reserve(text.size() + 4);
  UniCodetoGur(text, out);
  return out;
}

}  // namespace quilm
