// What each byte of an encoding draws, read through its reader and the pivot
// table: the map the display fonts are built from.
#include "fonts/display/glyph_map.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "tests/fonts/conversion_hex.h"

namespace quilm::display {
namespace {

using test::hex;
using test::to_hex;

TEST(GlyphMap, ByteReadings) {
  struct Case {
    int font_index;
    std::uint8_t byte;
    std::string pivot;    // hexadecimal
    std::string meaning;  // hexadecimal
    std::u32string unicode;
    bool gurmukhi;
    const char* label;
  };
  const Case cases[] = {
      {9, 0x65, "65", "65", U"\u0A15", true, "pivot KA is itself"},
      {9, 0x66, "66", "66", U"\u0A3F", true, "pivot sihari"},
      {9, 0x8E, "8E", "54 5B", U"\u0A09", true, "an alternate glyph draws its standard bytes, read as one letter"},
      {9, 0xE6, "E6", "E6", U"\u0A33", true, "LLA is a letter of its own, though it also has a standard spelling"},
      {9, 0xB1, "B1", "50", U"\u0A4D\u0A35", true, "a further glyph of subjoined VA"},
      {9, 0x50, "50", "50", U"\u0A4D\u0A35", true, "subjoined VA"},
      {9, 0x31, "31", "31", U"1", false, "a digit is not Gurmukhi"},
      {9, 0x0A, "0A", "0A", U"\n", false, "a control byte"},
      {9, 0xFF, "FF", "FF", U"", false, "a byte without meaning"},
      {2, 0x41, "6E", "6E", U"\u0A05", true, "AnmolLipi A is the carrier of the A-series"},
      {2, 0x52, "71", "71", U"\u0A4D\u0A30", true, "AnmolLipi R is subjoined RA"},
      {2, 0x3C, "BB", "BB", U"\u0A74", false, "AnmolLipi < is EK ONKAR, a symbol"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    const ByteReading r = glyph_map(c.font_index).at(c.byte);
    EXPECT_EQ(r.byte, c.byte);
    EXPECT_EQ(to_hex(r.pivot), c.pivot);
    EXPECT_EQ(to_hex(r.meaning), c.meaning);
    EXPECT_EQ(r.roles.size(), r.meaning.size());
    EXPECT_TRUE(r.unicode == c.unicode);
    EXPECT_EQ(r.draws_gurmukhi(), c.gurmukhi);
  }
}

TEST(GlyphMap, EncodingsThatGetADisplayFont) {
  const FontRegistry registry;
  const std::vector<int> shown = displayed_encodings(registry);
  const auto has = [&](int i) { return std::find(shown.begin(), shown.end(), i) != shown.end(); };
  EXPECT_TRUE(has(9)) << "the pivot encoding reads as itself";
  EXPECT_TRUE(has(2)) << "AnmolLipi has a reader";
  EXPECT_TRUE(has(35)) << "the Quilm encoding has a reader";
  for (int identity : {8, 30, 70}) EXPECT_FALSE(has(identity)) << identity;
  for (int i : shown) EXPECT_FALSE(names_of_encoding(registry, i).empty()) << i;
}

TEST(GlyphMap, NamesOfAnEncodingAreTheNamesThatSelectIt) {
  const FontRegistry registry;
  for (int i : displayed_encodings(registry))
    for (const std::string& name : names_of_encoding(registry, i)) EXPECT_EQ(registry.get_font_index(name), i) << name;
  const std::vector<std::string> quilm = names_of_encoding(registry, 35);
  EXPECT_EQ(quilm, (std::vector<std::string>{"Quilm", "Quilm2010"}));
}

}  // namespace
}  // namespace quilm::display
