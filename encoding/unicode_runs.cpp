// Run splitting.
#include "encoding/unicode_runs.h"

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

}  // namespace

std::vector<UnicodePiece> split_unicode_runs(std::u16string_view text) {
  std::vector<UnicodePiece> pieces;
  auto extend = [&](UnicodePiece::Kind kind, char16_t c) {
    if (pieces.empty() || pieces.back().kind != kind || kind == UnicodePiece::Kind::Separator)
      pieces.push_back({kind, {}, std::nullopt});
    pieces.back().text.push_back(c);
  };
  for (char16_t c : text) {
    if (c == 0 || ascii_letter(c)) {
      extend(UnicodePiece::Kind::Latin, c);
    } else if (has_pivot_glyph(c)) {
      extend(UnicodePiece::Kind::Gurmukhi, c);
    } else {
      extend(UnicodePiece::Kind::Separator, c);
      pieces.back().byte = separator_byte(c);
    }
  }
  return pieces;
}

}  // namespace quilm
