// The pivot encoding's byte table, alternate glyphs, byte pairs and classes.
#include "encoding/pivot.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "encoding/pivot_bytes.h"

namespace quilm::pivot {
namespace {

std::string hex(std::uint8_t b) {
  char buf[8];
  std::snprintf(buf, sizeof buf, "0x%02X", b);
  return buf;
}

std::string hex(BytesView bytes) {
  std::string out;
  for (char c : bytes) out += (out.empty() ? "" : " ") + hex(static_cast<std::uint8_t>(c));
  return out;
}

std::string code_points(std::u32string_view text) {
  std::string out;
  for (char32_t c : text) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%sU+%04X", out.empty() ? "" : " ", static_cast<unsigned>(c));
    out += buf;
  }
  return out;
}

TEST(PivotBytesTest, MeaningOfBytes) {
  struct Case {
    std::uint8_t byte;
    Role role;
    std::string_view unicode;  // as code points, "" for none
  };
  const Case cases[] = {
      {0x41, Role::NasalSign, "U+0A02"},  // a bindi glyph, not the letter A
      {0x6E, Role::VowelCarrier, "U+0A05"},  // the letter A
      {0x65, Role::Consonant, "U+0A15"},
      {0x66, Role::VowelSign, "U+0A3F"},  // sihari: stored before KA in 0x66 0x65 (KI)
      {0x3A, Role::Consonant, "U+0A2F"},
      {0x3B, Role::Consonant, "U+0A38"},
      {0x56, Role::Consonant, "U+0A5C"},
      {0x46, Role::NuktaConsonant, "U+0A36"},
      {0xE6, Role::NuktaConsonant, "U+0A33"},
      {0x55, Role::IndependentVowel, "U+0A13"},
      {0xA2, Role::IndependentVowel, "U+0A09"},
      {0x3E, Role::VowelSign, "U+0A3E"},
      {0x22, Role::VowelSign, "U+0A4C"},
      {0x7A, Role::NasalSign, "U+0A70"},
      {0x60, Role::GeminationSign, "U+0A71"},
      {0x61, Role::Nukta, "U+0A3C"},
      {0x71, Role::SubjoinedLetter, "U+0A4D U+0A30"},
      {0x50, Role::SubjoinedLetter, "U+0A4D U+0A35"},
      {0xA8, Role::Ligature, "U+0A36 U+0A4D U+0A30"},
      {0x7E, Role::Ligature, "U+0A28 U+0A42 U+0A70"},
      {0x9C, Role::Ligature, "U+0A28 U+0A3E U+0A02"},
      {0x2B, Role::Ligature, "U+0A48 U+0A02"},
      {0xA7, Role::Ligature, "U+0A15 U+0A47"},
      {0xA9, Role::SignCombination, "U+0A4D U+0A30 U+0A02"},  // subjoined RA with bindi
      {0xD5, Role::SignCombination, "U+0A41 U+0A70"},
      {0xEB, Role::SignCombination, "U+0A4D U+0A39 U+0A42"},  // subjoined HA with UU
      // Further glyphs of the legacy fonts that the readers keep.
      {0x7F, Role::OtherSign, "U+0A51"},  // udaat
      {0xF3, Role::OtherSign, "U+0A75"},  // yakash
      {0xE9, Role::OtherSign, "U+0A75"},
      {0xFE, Role::OtherSign, "U+0A03"},  // visarga
      {0xE4, Role::OtherSign, "U+0A4D"},  // a virama of its own
      {0xEA, Role::SubjoinedLetter, "U+0A4D U+0A2F"},
      {0xE8, Role::SubjoinedLetter, "U+0A4D U+0A1A"},
      {0xEC, Role::SubjoinedLetter, "U+0A4D U+0A24"},
      {0xED, Role::SubjoinedLetter, "U+0A4D U+0A28"},
      {0xEE, Role::SubjoinedLetter, "U+0A4D U+0A1F"},
      {0xEF, Role::Consonant, "U+0A2F"},  // open-top YA
      {0xE5, Role::Punctuation, "U+0A74"},
      {0xBC, Role::Punctuation, "U+262C"},
      {0x99, Role::Punctuation, "U+0027"},  // further apostrophes
      {0xB4, Role::Punctuation, "U+0027"},
      {0x2A, Role::Punctuation, "U+0027"},
      {0x2E, Role::Punctuation, "U+0964"},
      {0xBD, Role::Punctuation, "U+0965"},
      {0xBB, Role::Punctuation, "U+0A74"},
      {0x48, Role::Punctuation, "U+002E"},  // full stop on the H position
      {0x3C, Role::Punctuation, "U+003F"},
      {0x25, Role::Punctuation, "U+00D7"},
      {0xC4, Role::Punctuation, "U+005C"},
      {0xDD, Role::Punctuation, "U+0040"},
      {0xC7, Role::Digit, "U+0A66"},
      {0x83, Role::Digit, "U+0A67"},
      {0x8B, Role::Digit, "U+0A6F"},
      {0x09, Role::Control, "U+0009"},
      {0x0A, Role::Control, "U+000A"},
      {0x0D, Role::Control, "U+000D"},
      {0x00, Role::Control, "U+0000"},
      {0x26, Role::IgnoredGlyph, ""},
      {0x8C, Role::AlternateGlyph, ""},
      {0x80, Role::NoMeaning, ""},
      {0xFF, Role::NoMeaning, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(hex(c.byte));
    EXPECT_EQ(role_name(role(c.byte)), role_name(c.role));
    EXPECT_EQ(code_points(unicode(c.byte)), c.unicode);
  }
}

TEST(PivotBytesTest, DigitsSpaceAndCommonPunctuationReadAsAscii) {
  std::vector<std::uint8_t> same = {0x20, 0x21, 0x28, 0x29, 0x2C, 0x2D};
  for (std::uint8_t d = 0x30; d <= 0x39; ++d) same.push_back(d);
  for (std::uint8_t b : same) {
    SCOPED_TRACE(hex(b));
    EXPECT_EQ(code_points(unicode(b)), code_points(std::u32string(1, b)));
  }
}

TEST(PivotBytesTest, BytesWithoutMeaning) {
  std::string expected;
  for (int b = 0x80; b <= 0x82; ++b) expected += static_cast<char>(b);
  expected += "\x8D\x8F\x90\x91\x98\x9A\x9B\x9D\x9E\x9F\xA0\xA1\xA4\xA6\xAD\xAF\xB0\xB2\xB3";
  expected += "\xB7\xB8\xB9\xBA\xBE";
  expected += "\xF0\xF1\xF2\xF4\xF5\xF6\xF7\xF8\xF9\xFA\xFB\xFC\xFD\xFF";
  std::string actual;
  for (int b = 0; b < 256; ++b)
    if (role(static_cast<std::uint8_t>(b)) == Role::NoMeaning) actual += static_cast<char>(b);
  EXPECT_EQ(hex(actual), hex(expected));
}

TEST(PivotBytesTest, BytesPerRole) {
  std::map<std::string_view, int> count;
  for (int b = 0; b < 256; ++b) ++count[role_name(role(static_cast<std::uint8_t>(b)))];
  const std::map<std::string_view, int> expected = {
      {"no meaning", 41},      {"control", 32},         {"consonant", 33},
      {"nukta consonant", 6},  {"vowel carrier", 3},    {"independent vowel", 3},
      {"vowel sign", 10},      {"nasal sign", 4},       {"gemination sign", 2},
      {"nukta", 1},            {"subjoined letter", 8}, {"ligature", 9},
      {"sign combination", 5}, {"other sign", 5},       {"digit", 20},
      {"punctuation", 44},
      {"alternate glyph", 29}, {"ignored glyph", 1},
  };
  EXPECT_EQ(count, expected);
}

TEST(PivotBytesTest, EveryLetterOrSignIsGurmukhi) {
  for (int b = 0; b < 256; ++b) {
    const auto byte = static_cast<std::uint8_t>(b);
    switch (role(byte)) {
      case Role::Consonant:
      case Role::NuktaConsonant:
      case Role::VowelCarrier:
      case Role::IndependentVowel:
      case Role::VowelSign:
      case Role::NasalSign:
      case Role::GeminationSign:
      case Role::Nukta:
      case Role::SubjoinedLetter:
      case Role::Ligature:
      case Role::SignCombination:
      case Role::OtherSign:
        for (char32_t c : unicode(byte)) {
          SCOPED_TRACE(hex(byte));
          EXPECT_TRUE(c >= 0x0A00 && c <= 0x0A7F) << code_points(unicode(byte));
        }
        break;
      default:
        break;
    }
  }
}

TEST(PivotAlternatesTest, StandardBytes) {
  struct Case {
    std::uint8_t byte;
    BytesView standard;
  };
  const Case cases[] = {
      {0x8C, "\x7A\x5B"},     {0x8E, "\x54\x5B"}, {0x92, "\x61"},     {0x95, "\x5D"},
      {0xA2, "\x54\x5B"},     {0xA3, "\x6E\x3F"}, {0xAC, "\x2F\x50"}, {0xC0, "\x67\x71"},
      {0xC2, "\x42\x7A\x7B"}, {0xC3, "\x42\x7A\x7B"}, {0xC9, "\x31"}, {0xD8, "\x22\x49"},
      {0xE3, "\x39"},         {0xE6, "\x62\x61"}, {0xE7, "\x2F"},
      {0x65, ""},             {0x61, ""},         {0x7A, ""},         {0xA8, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(hex(c.byte));
    EXPECT_EQ(hex(alternate_glyph(c.byte)), hex(c.standard));
  }
}

TEST(PivotAlternatesTest, EveryAlternateGlyphHasStandardBytesThatAreStandard) {
  int with_standard = 0;
  for (int b = 0; b < 256; ++b) {
    const auto byte = static_cast<std::uint8_t>(b);
    SCOPED_TRACE(hex(byte));
    const BytesView standard = alternate_glyph(byte);
    if (role(byte) == Role::AlternateGlyph) {
      EXPECT_FALSE(standard.empty());
    }
    if (standard.empty()) continue;
    ++with_standard;
    for (char s : standard) {
      EXPECT_TRUE(alternate_glyph(static_cast<std::uint8_t>(s)).empty()) << hex(standard);
      EXPECT_NE(role(static_cast<std::uint8_t>(s)), Role::NoMeaning) << hex(standard);
    }
  }
  EXPECT_EQ(with_standard, 32);
}

TEST(PivotSequencesTest, PairsThatFormOneCharacter) {
  std::map<std::string, std::string> by_bytes;
  for (const PivotSequence& s : sequences()) by_bytes[hex(s.bytes)] = code_points(s.unicode);
  const std::pair<BytesView, std::string_view> cases[] = {
      {"\x6E\x6B", "U+0A06"},  // AA: carrier A with the AA sign
      {"\x66\x4A", "U+0A07"},  // I: sihari before the carrier IRI
      {"\x4A\x2F", "U+0A0F"},
      {"\x54\x7B", "U+0A0A"},
      {"\x6E\x22", "U+0A14"},
      {"\x3B\x61", "U+0A36"},  // SA with nukta is SHA
      {"\x62\x61", "U+0A33"},
      {"\x2E\x2E", "U+0965"},  // two dandas
      {"\x2A\x2A", "U+0022"},  // two apostrophes
  };
  for (const auto& [bytes, expected] : cases) {
    SCOPED_TRACE(hex(bytes));
    EXPECT_EQ(by_bytes[hex(bytes)], expected);
  }
  EXPECT_EQ(by_bytes.size(), 16u);
}

TEST(PivotSequencesTest, ConsonantWithNuktaMatchesItsOneGlyphForm) {
  std::map<std::u32string_view, std::uint8_t> one_glyph;
  for (int b = 0; b < 256; ++b)
    if (role(static_cast<std::uint8_t>(b)) == Role::NuktaConsonant)
      one_glyph[unicode(static_cast<std::uint8_t>(b))] = static_cast<std::uint8_t>(b);
  int pairs = 0;
  for (const PivotSequence& s : sequences()) {
    if (s.bytes.size() != 2 || static_cast<std::uint8_t>(s.bytes[1]) != kNukta) continue;
    SCOPED_TRACE(hex(s.bytes));
    EXPECT_EQ(role(static_cast<std::uint8_t>(s.bytes[0])), Role::Consonant);
    EXPECT_EQ(one_glyph.count(s.unicode), 1u) << code_points(s.unicode);
    ++pairs;
  }
  EXPECT_EQ(pairs, 6);
}

TEST(PivotClassesTest, Membership) {
  EXPECT_EQ(kAboveBaseSign, (ByteSet{0x22, 0x27, 0x2F, 0x3F, 0x41, 0x49, 0x5A, 0x60, 0x7A}));
  EXPECT_EQ(kBelowBaseSign, (ByteSet{0x50, 0x51, 0x5B, 0x71, 0x7B}));
  EXPECT_EQ(kSubjoinedLetter, (ByteSet{0x50, 0x51, 0x71}));
  EXPECT_EQ(kSubjoinedForm, (ByteSet{0x50, 0x51, 0x71, 0xE8, 0xEA, 0xEC, 0xED, 0xEE}));
  EXPECT_EQ(kNuktaMayFollow, (ByteSet{0x22, 0x27, 0x2B, 0x2F, 0x3F, 0x41, 0x48, 0x49, 0x5A,
                                      0x5B, 0x60, 0x66, 0x68, 0x6B, 0x7A, 0x7B}));
}

TEST(PivotClassesTest, ClassesAgreeWithTheByteTable) {
  for (int b = 0; b < 256; ++b) {
    const auto byte = static_cast<std::uint8_t>(b);
    SCOPED_TRACE(hex(byte));
    // Every subjoined glyph is in kSubjoinedForm; the class of the rules that
    // name subjoined letters keeps the three that the pivot font always had.
    EXPECT_EQ(kSubjoinedForm.contains(byte), role(byte) == Role::SubjoinedLetter);
    if (kSubjoinedLetter.contains(byte)) {
      EXPECT_TRUE(kSubjoinedForm.contains(byte));
      EXPECT_TRUE(kBelowBaseSign.contains(byte));
    }
    // Above-base signs are vowel, nasal or addak signs (not every one of them:
    // the second bindi glyph 0x5F is left out of the class).
    if (kAboveBaseSign.contains(byte)) {
      const Role r = role(byte);
      EXPECT_TRUE(r == Role::VowelSign || r == Role::NasalSign || r == Role::GeminationSign);
    }
  }
  EXPECT_FALSE(kAboveBaseSign.contains(kBindi2));
}

TEST(PivotNamedBytesTest, NamesAgreeWithTheTable) {
  struct Case {
    std::string_view label;
    std::uint8_t byte;
    Role role;
    std::string_view unicode;
  };
  const Case cases[] = {
      {"sihari", kSihari, Role::VowelSign, "U+0A3F"},
      {"AA", kSignAA, Role::VowelSign, "U+0A3E"},
      {"AA 2", kSignAA2, Role::VowelSign, "U+0A3E"},
      {"II", kSignII, Role::VowelSign, "U+0A40"},
      {"U", kSignU, Role::VowelSign, "U+0A41"},
      {"UU", kSignUU, Role::VowelSign, "U+0A42"},
      {"EE", kSignEE, Role::VowelSign, "U+0A47"},
      {"AI", kSignAI, Role::VowelSign, "U+0A48"},
      {"OO", kSignOO, Role::VowelSign, "U+0A4B"},
      {"AU", kSignAU, Role::VowelSign, "U+0A4C"},
      {"bindi", kBindi, Role::NasalSign, "U+0A02"},
      {"bindi 2", kBindi2, Role::NasalSign, "U+0A02"},
      {"bindi 3", kBindi3, Role::NasalSign, "U+0A02"},
      {"tippi", kTippi, Role::NasalSign, "U+0A70"},
      {"addak", kAddak, Role::GeminationSign, "U+0A71"},
      {"addak 2", kAddak2, Role::GeminationSign, "U+0A71"},
      {"nukta", kNukta, Role::Nukta, "U+0A3C"},
      {"subjoined VA", kSubjoinedVA, Role::SubjoinedLetter, "U+0A4D U+0A35"},
      {"subjoined HA", kSubjoinedHA, Role::SubjoinedLetter, "U+0A4D U+0A39"},
      {"subjoined RA", kSubjoinedRA, Role::SubjoinedLetter, "U+0A4D U+0A30"},
      {"A", kLetterA, Role::VowelCarrier, "U+0A05"},
      {"URA", kUra, Role::VowelCarrier, "U+0A73"},
      {"IRI", kIri, Role::VowelCarrier, "U+0A72"},
      {"KA", kLetterKA, Role::Consonant, "U+0A15"},
      {"NA", kLetterNA, Role::Consonant, "U+0A28"},
      {"RA", kLetterRA, Role::Consonant, "U+0A30"},
      {"SA", kLetterSA, Role::Consonant, "U+0A38"},
      {"HA", kLetterHA, Role::Consonant, "U+0A39"},
      {"SHA", kLetterSHA, Role::NuktaConsonant, "U+0A36"},
      {"KHA", kLetterKHA, Role::Consonant, "U+0A16"},
      {"GA", kLetterGA, Role::Consonant, "U+0A17"},
      {"JA", kLetterJA, Role::Consonant, "U+0A1C"},
      {"PHA", kLetterPHA, Role::Consonant, "U+0A2B"},
      {"LA", kLetterLA, Role::Consonant, "U+0A32"},
      {"space", kSpace, Role::Punctuation, "U+0020"},
      {"hyphen", kHyphen, Role::Punctuation, "U+002D"},
      {"danda", kDanda, Role::Punctuation, "U+0964"},
      {"double danda", kDoubleDanda, Role::Punctuation, "U+0965"},
      {"full stop", kFullStop, Role::Punctuation, "U+002E"},
      {"NA UU tippi", kNaUuTippi, Role::Ligature, "U+0A28 U+0A42 U+0A70"},
      {"apostrophe", kApostrophe, Role::Punctuation, "U+0027"},
      {"ignored", kIgnoredGlyph, Role::IgnoredGlyph, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.label) + " " + hex(c.byte));
    EXPECT_EQ(role_name(role(c.byte)), role_name(c.role));
    EXPECT_EQ(code_points(unicode(c.byte)), c.unicode);
  }
}

}  // namespace
}  // namespace quilm::pivot
