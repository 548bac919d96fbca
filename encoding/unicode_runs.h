// Splitting Unicode text into runs: stretches of Gurmukhi, which convert
// into a legacy font through the pivot encoding, stretches of Latin letters,
// which stay as they are, and the separators between them (spaces, digits,
// punctuation, and any character the pivot encoding cannot hold), each kept
// as it stands. The Unicode import and the conversion of a Unicode document
// into a font both walk these pieces.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quilm {

struct UnicodePiece {
  enum class Kind { Gurmukhi, Latin, Separator };
  Kind kind;
  std::u16string_view text;  // as it stands in the Unicode text, which it views
  // A separator's byte in 8-bit text: the character itself below U+0100, the
  // Windows byte of a typographic quotation mark or ellipsis (U+2018 and
  // U+2019 are written as the apostrophe 0x27); none for other characters.
  std::optional<unsigned char> byte;
};

// The kind of run that character `c` belongs to (a separator is a piece of
// its own).
UnicodePiece::Kind unicode_kind(char16_t c);

// Gurmukhi runs hold only characters for which has_pivot_glyph holds
// (encoding/unicode_input.h); a change between Gurmukhi and Latin letters
// ends one run and starts the next. The pieces view `text`: keep it alive
// while they are in use.
std::vector<UnicodePiece> split_unicode_runs(std::u16string_view text);
// The same one piece at a time: the piece that begins at `start` (before
// the end of `text`), with `start` moved past it.
UnicodePiece next_unicode_piece(std::u16string_view text, std::size_t& start);

}  // namespace quilm
