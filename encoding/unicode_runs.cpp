// Run splitting.
#include "encoding/unicode_runs.h"

#include <array>

#include "encoding/unicode_input.h"

namespace quilm {
namespace {

bool ascii_letter(char16_t c) { return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z'); }

// The 8-bit byte that stands for a separator in legacy text.
std::optional<unsigned char> separator_byte(char16_t c) {
  switch (c) {
    case 0x2018: case 0x2019: return 0x27;
    case 0x201C: return 0x93;
    case 0x201D: return 0x94;
    case 0x2026: return 0x85;
    default: break;
  }
  if (c < 0x100) return static_cast<unsigned char>(c);
  return std::nullopt;
}

// Below the Devanagari block no character has a pivot glyph; in the
// Devanagari and Gurmukhi blocks a table says which do.
constexpr char16_t kIndicStart = 0x0900, kIndicEnd = 0x0B00;

std::array<bool, kIndicEnd - kIndicStart> make_indic_glyph_table() {
  std::array<bool, kIndicEnd - kIndicStart> table{};
  for (std::size_t i = 0; i < table.size(); ++i) table[i] = has_pivot_glyph(static_cast<char16_t>(kIndicStart + i));
  return table;
}

inline UnicodePiece::Kind kind_of(char16_t c) {
  static const std::array<bool, kIndicEnd - kIndicStart> indic_glyph = make_indic_glyph_table();
  if (c < kIndicStart) {
    return c == 0 || ascii_letter(c) ? UnicodePiece::Kind::Latin : UnicodePiece::Kind::Separator;
  }
  const bool glyph = c < kIndicEnd ? indic_glyph[c - kIndicStart] : has_pivot_glyph(c);
  return glyph ? UnicodePiece::Kind::Gurmukhi : UnicodePiece::Kind::Separator;
}

}  // namespace

UnicodePiece next_unicode_piece(std::u16string_view text, std::size_t& start) {
  const std::size_t first = start;
  const UnicodePiece::Kind kind = kind_of(text[first]);
  if (kind == UnicodePiece::Kind::Separator) {
    start = first + 1;
    return {kind, text.substr(first, 1), separator_byte(text[first])};
  }
  std::size_t end = first + 1;
  while (end < text.size() && kind_of(text[end]) == kind) ++end;
  start = end;
  return {kind, text.substr(first, end - first), std::nullopt};
}

std::vector<UnicodePiece> split_unicode_runs(std::u16string_view text) {
  std::vector<UnicodePiece> pieces;
  pieces.reserve(text.size() / 3 + 1);  // a word and a space make two pieces
  for (std::size_t start = 0; start < text.size();) pieces.push_back(next_unicode_piece(text, start));
  return pieces;
}

}  // namespace quilm
