// The Romanised layout: Roman keys into glyph codes of the Quilm encoding.
#include <gtest/gtest.h>

#include "tests/typing/typist.h"

namespace quilm::typing::test {
namespace {

struct Case {
  const char* keys;
  const char* glyphs;  // the editor's text afterwards, in hex
  const char* label;
};

void expect_typed(const Case* begin, const Case* end) {
  for (const Case* c = begin; c != end; ++c) {
    SCOPED_TRACE(std::string(c->label) + ": \"" + c->keys + "\"");
    Typist t(kRomanisedLayout);
    t.type(c->keys);
    EXPECT_EQ(t.text_hex(), c->glyphs);
    EXPECT_EQ(t.prompter.beeps, 0);
  }
}

TEST(RomanisedLayout, ConsonantsAndTheirAspirates) {
  const Case cases[] = {
      {"k", "6B", "KA"},
      {"kh", "4B", "KHA"},
      {"gh", "47", "GHA"},
      {"ch", "43", "CHA"},
      {"jh", "4A", "JHA"},
      {"th", "51", "THA from t (TA) and h"},
      {"Th", "54", "TTHA from T (TTA) and h"},
      {"dh", "44", "DHA"},
      {"Dh", "46", "DDHA from D (DDA) and h"},
      {"ph", "50", "PHA"},
      {"bh", "42", "BHA"},
      {"nh", "78", "NNA"},
      {"rh", "56", "RRA"},
      {"sh", "C8", "SHA"},
      {"Kh", "C9", "KHHA"},
      {"mh", "6D 48", "subjoined HA after m"},
      {"lh", "6C 48", "subjoined HA after l"},
      {"vh", "76 48", "subjoined HA after v"},
      {"h", "68", "HA at the start of a word"},
      {"ah", "45 68", "HA after the previous key a"},
      {"t", "71", "t is TA"},
      {"T", "74", "T is TTA"},
      {"D", "66", "D is DDA"},
      {"x", "7A", "x is NYA"},
      {"X", "5A", "X is NGA"},
      {"f", "50", "f is PHA"},
      {"F", "CC", "F is FA"},
      {"z", "CB", "z is ZA"},
      {"G", "CA", "G is GHHA"},
      {"L", "DC", "L is LLA"},
      {"w", "76", "w is VA"},
      {"q", "6B", "q is KA"},
      {"R", "52", "subjoined RA typed as R"},
      {"1.", "31 2E", "digits and punctuation pass"},
  };
  expect_typed(std::begin(cases), std::end(cases));
}

TEST(RomanisedLayout, DoubledConsonantsAndAspiratesTakeTheAddak) {
  const Case cases[] = {
      {"pakk", "70 53 6B", "k k after a letter"},
      {"pakka", "70 53 6B", "the inherent vowel after the doubled consonant"},
      {"pakhkh", "70 53 4B", "k h k h after a letter: addak and KHA"},
      {"kk", "6B 6B", "k k at the start of a word is not doubled"},
      {"kaikk", "6B 59 A5 6B", "after the AI sign the second addak glyph"},
      {"uchch", "61 75 A5 43", "after URA the second addak glyph"},
      {"patt", "70 53 71", "t t: the key that made TA"},
      {"saDD", "73 53 66", "D D: the key that made DDA"},
      {"aiyy", "45 59 A5 58", "y y: the key that made YA"},
      {"pSk", "70 53 6B", "the addak typed as S"},
      {"kaiS", "6B 59 A5", "S beside the AI sign"},
  };
  expect_typed(std::begin(cases), std::end(cases));
}

TEST(RomanisedLayout, VowelsAfterAConsonant) {
  const Case cases[] = {
      {"ka", "6B", "a is the inherent vowel"},
      {"kaa", "6B 77", "a a: kanna"},
      {"kA", "6B 77", "A: kanna"},
      {"ki", "69 6B", "sihari goes before its consonant"},
      {"kI", "6B 49", "II"},
      {"ku", "6B 75", "U"},
      {"kU", "6B 55", "UU"},
      {"ke", "6B 79", "EE"},
      {"kee", "6B 49", "e e: II"},
      {"ko", "6B 6F", "OO"},
      {"koo", "6B 55", "o o: UU"},
      {"kai", "6B 59", "a i: AI"},
      {"kE", "6B 59", "E: AI"},
      {"kau", "6B 4F", "a u: AU"},
      {"kO", "6B 4F", "O: AU"},
      {"kay", "6B 79", "a y: EE"},
      {"pRi", "69 70 52", "sihari before the consonant and its subjoined RA"},
      {"mhi", "69 6D 48", "sihari before the consonant and its subjoined HA"},
  };
  expect_typed(std::begin(cases), std::end(cases));
}

TEST(RomanisedLayout, VowelsAtTheStartOfAWordTakeTheirBearer) {
  const Case cases[] = {
      {"a", "45", "A"},
      {"aa", "45 77", "AA"},
      {"A", "45 77", "AA typed as A"},
      {"i", "69 65", "I"},
      {"I", "65 49", "II"},
      {"ee", "65 49", "e e: II"},
      {"e", "65 79", "EE"},
      {"ay", "65 79", "a y: EE"},
      {"u", "61 75", "U"},
      {"U", "61 55", "UU"},
      {"oo", "61 55", "o o: UU"},
      {"o", "41", "OO"},
      {"E", "45 59", "AI"},
      {"ai", "45 59", "a i: AI"},
      {"O", "45 4F", "AU"},
      {"au", "45 4F", "a u: AU"},
      {"y", "58", "y is YA"},
      {"kaa aa", "6B 77 20 45 77", "after a word and a space"},
      {"kao", "6B 41", "a vowel after the inherent a stands on its own"},
  };
  expect_typed(std::begin(cases), std::end(cases));
}

TEST(RomanisedLayout, NasalSignsAndTheNaUuTippiLigature) {
  const Case cases[] = {
      {"kN", "6B 4D", "tippi after a consonant"},
      {"kiN", "69 6B 4D", "tippi after sihari"},
      {"keN", "6B 79 4E", "bindi after EE"},
      {"kIN", "6B 49 4E", "bindi after II"},
      {"kaaN", "6B A2", "kanna and bindi in one glyph"},
      {"uN", "61 75 4E", "bindi on URA"},
      {"nUN", "83", "n U N"},
      {"nNU", "83", "n N U"},
      {"M", "4D", "the tippi typed as M"},
  };
  expect_typed(std::begin(cases), std::end(cases));
}

// A key at or below 0x20 ends the word, so the first vowel of the next word
// stands on its own bearer instead of continuing the vowel before the space.
// (The previous Roman key used to survive a space, which rewrote the space
// or the last word.)
TEST(RomanisedLayout, EveryWordStartsAfresh) {
  const Case cases[] = {
      {"jo othe", "6A 6F 20 41 51 79", "ਜੋ ਓਥੇ"},
      {"saare ethe", "73 77 72 79 20 65 79 51 79", "ਸਾਰੇ ਏਥੇ"},
      {"a a", "45 20 45", "a, a space, a"},
      {"jo\rothe", "6A 6F 0D 41 51 79", "after Enter"},
      {"jo\tothe", "6A 6F 09 41 51 79", "after Tab"},
      {"ko\bo", "6B 6F", "after Backspace the o does not rewrite the k"},
  };
  expect_typed(std::begin(cases), std::end(cases));
}

TEST(RomanisedLayout, TypesInQuilm2010WhateverTheFontBefore) {
  Typist t(kRomanisedLayout, "Times New Roman");
  t.type("iks paMjaabI");
  EXPECT_EQ(t.text_hex(), "69 65 6B 73 20 70 4D 6A 77 62 49");
  const auto runs = t.editor.Runs();
  ASSERT_EQ(runs.size(), 1u);
  EXPECT_EQ(runs[0].format.font_name, "Quilm2010");
}

TEST(RomanisedLayout, KeepsTheQuilmFontItTypesIn) {
  Typist t(kRomanisedLayout, "Quilm");
  t.type("ik");
  ASSERT_EQ(t.editor.Runs().size(), 1u);
  EXPECT_EQ(t.editor.Runs()[0].format.font_name, "Quilm");
}

TEST(RomanisedLayout, LeavesTheCaretAfterTheRewrittenGlyphs) {
  const struct {
    const char* keys;
    int caret;
  } cases[] = {{"pakk", 3}, {"pakhkh", 3}, {"ki", 2}, {"i", 2}, {"nUN", 1}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.keys);
    Typist t(kRomanisedLayout);
    t.type(c.keys);
    EXPECT_EQ(t.editor.SelStart(), c.caret);
    EXPECT_FALSE(t.editor.LockWindowUpdate());
  }
}

TEST(RomanisedLayout, RewritesOnlyTheGlyphsBeforeTheCaret) {
  Typist t(kRomanisedLayout);
  t.editor.SetSelText(u"kw");
  t.editor.SetSelStart(1);
  t.type("i");
  EXPECT_EQ(t.text_hex(), "69 6B 77");
  EXPECT_EQ(t.editor.SelStart(), 2);
}

}  // namespace
}  // namespace quilm::typing::test
