// Real scripture lines (tests/encoding/fixtures/scripture_lines.txt, cut from
// the Shabad OS Database, CC BY-SA 4.0) through Unicode and back: each holds
// one of the further glyphs of the AnmolLipi fonts.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <sstream>

#include "fonts/text_conversion.h"
#include "encoding/unicode_input.h"
#include "encoding/unicode_output.h"
#include "fonts/conversion.h"
#include "tests/support/hex_text.h"

namespace quilm {
namespace {

constexpr int kAnmolLipi = 2;

std::vector<Bytes> fixture_lines() {
  std::ifstream in(std::string(QUILM_SOURCE_DIR) + "/tests/encoding/fixtures/scripture_lines.txt", std::ios::binary);
  std::vector<Bytes> lines;
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

// Unicode of a line -> pivot -> Unicode gives the same Unicode: no letter is
// lost or changed on the way back.
TEST(ScriptureRoundTripTest, UnicodeThroughThePivotIsStable) {
  ConversionContext context;
  const FontConverter converter(context);
  const std::vector<Bytes> lines = fixture_lines();
  ASSERT_FALSE(lines.empty());
  for (const Bytes& line : lines) {
    SCOPED_TRACE(line);
    const std::u16string unicode = legacy_text_to_unicode(line, kAnmolLipi, converter, UnicodeScript::Gurmukhi);
    const std::u16string back = legacy_text_to_unicode(
        [&] {
          Bytes pivot;
          for (char16_t c : unicode_text_to_legacy(unicode, 9, converter)) pivot.push_back(static_cast<char>(c));
          return pivot;
        }(),
        9, converter, UnicodeScript::Gurmukhi);
    EXPECT_EQ(test::hex_text::hex(back), test::hex_text::hex(unicode));
    for (char16_t c : unicode) EXPECT_FALSE(c >= 0x0A80 && c < 0x0B00) << test::hex_text::hex(unicode);  // no Gujarati
  }
}

// Glyphs of the AnmolLipi layout that mean a letter Unicode has, as they
// stand in the scripture: each reads as that letter, in the fonts that read
// through the AnmolLipi tables, and a Unicode letter comes back as the glyph.
TEST(ScriptureRoundTripTest, AnmolLipiGlyphsReadAsTheirLetters) {
  struct Case {
    const char* label;
    int font;
    const char* legacy;  // hexadecimal bytes
    const char* unicode;  // hexadecimal code units
  } const cases[] = {
      {"visarga, AnmolLipi (mÚ)", kAnmolLipi, "6D DA", "0A2E 0A03"},
      {"visarga, SriAngad", 40, "6D DA", "0A2E 0A03"},
      {"visarga, Prabhki", 49, "6D DA", "0A2E 0A03"},
      {"the second subjoined YA (qRs\xEEo)", kAnmolLipi, "71 52 73 EE 6F", "0A24 0A4D 0A30 0A38 0A4D 0A2F 0A4B"},
  };
  ConversionContext context;
  const FontConverter converter(context);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    const std::u16string unicode =
        legacy_text_to_unicode(test::hex_text::bytes(c.legacy), c.font, converter, UnicodeScript::Gurmukhi);
    EXPECT_EQ(test::hex_text::hex(unicode), c.unicode);
  }
  // Back into AnmolLipi, the visarga is its glyph again.
  EXPECT_EQ(unicode_text_to_legacy(u"\u0A2E\u0A03", kAnmolLipi, converter), u"\u006D\u00DA");
}

}  // namespace
}  // namespace quilm
