// GurToUnicode, UniCodetoGur and the splitting of Unicode text into runs.
#include <gtest/gtest.h>

#include "encoding/pivot.h"
#include "encoding/unicode_input.h"
#include "encoding/unicode_output.h"
#include "encoding/unicode_runs.h"
#include "tests/support/hex_text.h"

namespace quilm {
namespace {

using test::hex_text::bytes;
using test::hex_text::hex;
using test::hex_text::units;

struct Case {
  const char* label;
  const char* pivot;
  const char* unicode;
};

TEST(GurToUnicodeTest, Rules) {
  const Case cases[] = {
      {"sihari, KA", "66 65", "0A15 0A3F"},
      {"bindi stays before AA", "65 49 6B", "0A15 0A02 0A3E"},
      {"bindi moves behind AI", "65 49 3F", "0A15 0A48 0A02"},
      {"sihari after a subjoined letter", "66 65 71", "0A15 0A4D 0A30 0A3F"},
      {"sihari after a subjoined YA", "66 65 EA", "0A15 0A4D 0A2F 0A3F"},
      {"independent vowels", "6E 6B 66 4A 4A 68 54 5B", "0A06 0A07 0A08 0A09"},
      {"two dandas are a double danda", "2E 2E", "0965"},
      {"two 0x2A are a quotation mark", "2A 2A", "0022"},
      {"SA and nukta are SHA", "3B 61", "0A36"},
      {"nukta after a sign", "3B 6B 61", "0A36 0A3E"},
      {"ligature spelt out", "4B", "0A3E 0A02"},
      {"third bindi glyph", "65 41", "0A15 0A02"},
      {"digits stay ASCII", "31 32", "0031 0032"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    EXPECT_EQ(hex(GurToUnicode(bytes(c.pivot))), c.unicode);
  }
}

// The legacy glyphs that the readers keep come out as the letters they draw,
// never as a code point of another script (U+0A00 plus the byte would be
// unassigned or a Gujarati digit).
TEST(GurToUnicodeTest, FurtherGlyphsOfTheLegacyFonts) {
  const Case cases[] = {
      {"subjoined YA, not GUJARATI DIGIT FOUR", "3B EA", "0A38 0A4D 0A2F"},
      {"udaat", "77 7F", "0A2E 0A51"},
      {"yakash", "79 F3", "0A16 0A75"},
      {"subjoined NA", "3B ED", "0A38 0A4D 0A28"},
      {"subjoined TA", "3B EC", "0A38 0A4D 0A24"},
      {"subjoined TTA", "3B EE", "0A38 0A4D 0A1F"},
      {"subjoined CA", "3B E8", "0A38 0A4D 0A1A"},
      {"open-top YA", "EF", "0A2F"},
      {"visarga", "77 FE", "0A2E 0A03"},
      {"further apostrophes", "99 B4", "0027 0027"},
      {"a tab stays a tab", "65 09 65", "0A15 0009 0A15"},
      {"a glyph without meaning: private use, recoverable", "65 F0", "0A15 F0F0"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    EXPECT_EQ(hex(GurToUnicode(bytes(c.pivot))), c.unicode);
  }
}

TEST(GurToUnicodeTest, NoPivotByteBecomesAnotherScript) {
  for (int b = 0; b < 256; ++b) {
    const std::u16string u = GurToUnicode(Bytes(1, static_cast<char>(b)));
    SCOPED_TRACE(b);
    for (char16_t c : u) {
      const bool gurmukhi_or_danda = (c >= 0x0A00 && c < 0x0A80) || c == 0x0964 || c == 0x0965;
      const bool latin_or_symbol = c < 0x100 || c == 0x262C;
      const bool private_use = c >= 0xF000 && c <= 0xF0FF;
      EXPECT_TRUE(gurmukhi_or_danda || latin_or_symbol || private_use) << hex(u);
    }
  }
}

TEST(UniCodetoGurTest, Rules) {
  const Case cases[] = {
      {"KA VIRAMA RA I: sihari before the cluster", "66 65 71", "0A15 0A4D 0A30 0A3F"},
      {"KA I", "66 65", "0A15 0A3F"},
      {"KHA NUKTA I: sihari before the letter and its nukta", "66 79 61", "0A16 0A3C 0A3F"},
      {"independent AA", "6E 6B", "0A06"},
      {"double danda", "2E 2E", "0965"},
      {"subjoined YA, not JHA", "3B EA", "0A38 0A4D 0A2F"},
      {"subjoined NA", "3B ED", "0A38 0A4D 0A28"},
      {"VIRAMA before KA has a glyph of its own", "3B E4 65", "0A38 0A4D 0A15"},
      {"udaat, not subjoined HA", "77 7F", "0A2E 0A51"},
      {"yakash, not CA", "79 F3", "0A16 0A75"},
      {"visarga", "77 FE", "0A2E 0A03"},
      {"Devanagari KA I", "66 65", "0915 093F"},
      {"private use back to its byte", "F0", "F0F0"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    EXPECT_EQ(hex(UniCodetoGur(units(c.unicode))), c.pivot);
  }
}

// Unicode -> pivot -> Unicode keeps every letter, and the further glyphs of
// the legacy fonts come back as themselves.
TEST(UniCodetoGurTest, RoundTripKeepsTheLetters) {
  const char* const words[] = {
      "0A38 0A4D 0A2F 0A3E 0A2E",       // ਸ੍ਯਾਮ
      "0A38 0A3E 0A2E 0A51 0A48",       // ਸਾਮੑੈ
      "0A24 0A40 0A16 0A75 0A23",       // ਤੀਖੵਣ
      "0A2E 0A03",                      // ਮਃ
      "0A07 0A38 0A4D 0A28 0A3E 0A28 0A41",  // ਇਸ੍ਨਾਨੁ
      "0A2A 0A4D 0A30 0A38 0A3E 0A26 0A3F",  // ਪ੍ਰਸਾਦਿ
      "0A38 0A71 0A1A",                 // ਸੱਚ
      "0A38 0A02 0A17",                 // ਸਂਗ
  };
  for (const char* w : words) {
    SCOPED_TRACE(w);
    EXPECT_EQ(hex(GurToUnicode(UniCodetoGur(units(w)))), w);
  }
}

TEST(UnicodeRunsTest, Pieces) {
  using K = UnicodePiece::Kind;
  const std::vector<UnicodePiece> pieces = split_unicode_runs(u"ਕਾ ab\u2014ਖ\u201C.");
  const std::vector<std::pair<K, std::u16string>> expected = {
      {K::Gurmukhi, u"ਕਾ"}, {K::Separator, u" "}, {K::Latin, u"ab"}, {K::Separator, u"\u2014"},
      {K::Gurmukhi, u"ਖ"},  {K::Separator, u"\u201C"}, {K::Separator, u"."},
  };
  ASSERT_EQ(pieces.size(), expected.size());
  for (std::size_t i = 0; i < pieces.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(pieces[i].kind, expected[i].first);
    EXPECT_EQ(pieces[i].text, expected[i].second);
  }
  EXPECT_FALSE(pieces[3].byte);  // the em dash has no byte: it stays as it is
  EXPECT_EQ(pieces[5].byte, 0x93);
}

TEST(UnicodeRunsTest, ChangeOfScriptStartsANewRun) {
  const std::vector<UnicodePiece> pieces = split_unicode_runs(u"ਕa");
  ASSERT_EQ(pieces.size(), 2u);
  EXPECT_EQ(pieces[0].kind, UnicodePiece::Kind::Gurmukhi);
  EXPECT_EQ(pieces[1].kind, UnicodePiece::Kind::Latin);
}

}  // namespace
}  // namespace quilm
