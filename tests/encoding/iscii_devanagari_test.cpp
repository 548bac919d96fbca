// GurToISCII, ISCIItoGur and GurToHindiUnicode.
#include <gtest/gtest.h>

#include "encoding/devanagari.h"
#include "encoding/iscii.h"
#include "tests/support/hex_text.h"

namespace quilm {
namespace {

using test::hex_text::bytes;
using test::hex_text::hex;
using test::hex_text::units;

struct Case {
  const char* label;
  const char* in;
  const char* out;
};

TEST(GurToIsciiTest, Rules) {
  const Case cases[] = {
      {"KA, sihari order", "66 65", "B3 DB"},
      {"addak before KA", "5A 65", "B3 E8 B3"},
      {"KA, subjoined RA", "65 71", "B3 E8 CF"},
      {"SHA from SA and nukta", "3B 61", "D5"},
      {"KHHA", "5D", "B4 E9"},
      {"letter AA with bindi", "6E 6B 49", "A5 A2"},
      {"tippi and bindi are one ISCII sign", "65 7A", "B3 A2"},
      {"danda", "2E", "EA"},
      {"double danda as two dandas, not TTA", "BD", "EA EA"},
      {"subjoined YA", "3B EA", "D7 E8 CD"},
      {"visarga", "77 FE", "CC A3"},
      {"two spaces stay two spaces", "65 20 20 65", "B3 20 20 B3"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    EXPECT_EQ(hex(GurToISCII(bytes(c.in))), c.out);
  }
}

TEST(IsciiToGurTest, Rules) {
  const Case cases[] = {
      {"doubled KA is addak, KA", "B3 E8 B3", "5A 65"},
      {"KA, subjoined RA", "B3 E8 CF", "65 71"},
      {"sihari before its consonant", "B3 DB", "66 65"},
      {"sihari before consonant and subjoined letter", "B3 E8 CF DB", "66 65 71"},
      // Two different consonants keep both letters (a VIRAMA between them)
      // rather than the first becoming an addak.
      {"conjunct of two consonants", "B3 E8 B7", "65 E4 43"},
      {"two dandas come back as a double danda", "EA EA", "BD"},
      {"both nasal signs are bindi", "B3 A1 B3 A2", "65 49 65 49"},
      {"LLA", "D2", "E6"},
      {"SA and nukta", "D7 E9", "46"},
      // Bytes ISCII leaves undefined, among them those the conversion uses
      // as internal marks, are question marks and never letters.
      {"undefined bytes between letters", "B3 8C B3 9C 80 A0", "65 3C 65 3C 3C 3C"},
      {"undefined bytes after the danda and the digits, and the question mark", "EB EE FB FF 3F", "3C 3C 3C 3C 3C"},
      {"undefined byte after a halant", "B3 E8 92", "65 E4 3C"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    EXPECT_EQ(hex(ISCIItoGur(bytes(c.in))), c.out);
  }
}

TEST(GurToHindiUnicodeTest, Rules) {
  const Case cases[] = {
      {"addak before KA", "5A 65", "0915 094D 0915"},
      {"addak before KHA", "5A 79", "0915 094D 0916"},
      {"addak before GHA doubles with GA", "5A 78", "0917 094D 0918"},
      {"addak before JHA doubles with JA", "5A 4D", "091C 094D 091D"},
      {"addak before DDHA doubles with DDA", "5A 59", "0921 094D 0922"},
      {"addak before PHA doubles with PA", "5A 63", "092A 094D 092B"},
      {"addak before BHA doubles with BA", "5A 47", "092C 094D 092D"},
      {"addak before THA doubles with TA", "5A 45", "0924 094D 0925"},
      {"KA, tippi", "65 7A", "0915 0902"},
      {"sihari, KA", "66 65", "0915 093F"},
      {"ek onkar stays Gurmukhi", "BB", "0A74"},
      {"udaat is the Devanagari udatta, not U+097F", "77 7F", "092E 0951"},
      {"yakash is a subjoined YA", "79 F3", "0916 094D 092F"},
      {"a glyph without meaning: private use", "F0", "F0F0"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    EXPECT_EQ(hex(GurToHindiUnicode(bytes(c.in))), c.out);
  }
}

}  // namespace
}  // namespace quilm
