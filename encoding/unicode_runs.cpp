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

// The kind of every character below the end of the Gurmukhi block, from a
// table; above it only the private-use glyph characters have pivot glyphs.
constexpr char16_t kTableEnd = 0x0B00;
using KindTable = std::array<UnicodePiece::Kind, kTableEnd>;

KindTable make_kind_table() {
  KindTable table;
  for (char16_t c = 0; c < kTableEnd; ++c) {
    if (c == 0 || ascii_letter(c)) table[c] = UnicodePiece::Kind::Latin;
    else if (has_pivot_glyph(c)) table[c] = UnicodePiece::Kind::Gurmukhi;
    else table[c] = UnicodePiece::Kind::Separator;
  }
  return table;
}

inline UnicodePiece::Kind kind_of(const KindTable& table, char16_t c) {
  if (c < kTableEnd) return table[c];
  return has_pivot_glyph(c) ? UnicodePiece::Kind::Gurmukhi : UnicodePiece::Kind::Separator;
}

const KindTable& kind_table() {
  static const KindTable table = make_kind_table();
  return table;
}

}  // namespace

UnicodePiece::Kind unicode_kind(char16_t c) { return kind_of(kind_table(), c); }

UnicodePiece next_unicode_piece(std::u16string_view text, std::size_t& start) {
  const KindTable& table = kind_table();
  const std::size_t first = start;
  const UnicodePiece::Kind kind = kind_of(table, text[first]);
  if (kind == UnicodePiece::Kind::Separator) {
    start = first + 1;
    return {kind, text.substr(first, 1), separator_byte(text[first])};
  }
  std::size_t end = first + 1;
  while (end < text.size() && kind_of(table, text[end]) == kind) ++end;
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
