// What each byte of a font encoding draws: the reading of the byte through
// the encoding's reader, in pivot bytes, their roles and the Unicode letters
// they stand for. The display-font generator (tools/fontgen) builds each
// stand-in font from this map, and the display tests check the fonts against
// it, so the glyph at a byte always agrees with what conversion reads there.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "common/bytes.h"
#include "encoding/pivot.h"
#include "fonts/registry.h"

namespace quilm::display {

struct ByteReading {
  std::uint8_t byte = 0;
  Bytes pivot;     // what the reader gives for the byte on its own
  Bytes meaning;   // the same with alternate glyphs replaced by their standard bytes
  std::vector<pivot::Role> roles;  // the role of each byte of `meaning`
  std::u32string unicode;          // the characters of `meaning`, in drawing order

  // True when the byte draws a Gurmukhi letter or sign (not only digits,
  // punctuation, controls or nothing).
  bool draws_gurmukhi() const;
};

// The reading of every byte 0x00..0xFF in font index `font_index`.
std::vector<ByteReading> glyph_map(int font_index);

// Two bytes that the reader reads together, and what they read as together.
struct PairReading {
  Bytes bytes;          // the two bytes
  ByteReading reading;  // `byte` is the first of them
};
std::vector<PairReading> pair_map(int font_index);

// The font indices that get a display font: the pivot encoding and every
// encoding with a reader and at least one font name, in registry order.
std::vector<int> displayed_encodings(const FontRegistry& registry);

// The names of `font_index` that get_font_index really gives it (a name that
// an earlier encoding claims stays with that one).
std::vector<std::string> names_of_encoding(const FontRegistry& registry, int font_index);

}  // namespace quilm::display
