// The legal-combination checks: refusals with a beep and the compositions
// with the glyph before the caret.
#include <gtest/gtest.h>

#include "tests/typing/typist.h"

namespace quilm::typing::test {
namespace {

struct Case {
  const char* keys;
  const char* glyphs;  // the editor's text afterwards, in hex
  int beeps;
  const char* label;
};

void expect_checked(const std::string& font, bool check, const Case* begin, const Case* end) {
  for (const Case* c = begin; c != end; ++c) {
    SCOPED_TRACE(std::string(c->label) + ": \"" + c->keys + "\"");
    Typist t(kDefaultLayout, font, check);
    t.type(c->keys);
    EXPECT_EQ(t.text_hex(), c->glyphs);
    EXPECT_EQ(t.prompter.beeps, c->beeps);
    EXPECT_FALSE(t.editor.LockWindowUpdate());
  }
}

TEST(QuilmCheck, RefusesSignsWhereGurmukhiCannotHaveThem) {
  const Case cases[] = {
      {" w", "20", 1, "a vowel sign after a space"},
      {"w", "", 1, "a vowel sign at the start"},
      {"kw", "6B 77", 0, "kanna on a consonant"},
      {"kwy", "6B 77", 1, "a second vowel sign"},
      {"ikw", "69 6B", 1, "a vowel sign on a consonant with sihari"},
      {"kN", "6B", 1, "bindi on a bare consonant"},
      {"kyN", "6B 79 4E", 0, "bindi after EE"},
      {"kH", "6B", 1, "subjoined HA after KA"},
      {"mH", "6D 48", 0, "subjoined HA after MA"},
      {"kW", "6B", 1, "subjoined VA after KA"},
      {"sW", "73 57", 0, "subjoined VA after SA"},
      {"kuU", "6B 75", 1, "two signs below the line"},
      {"kS", "6B 53", 0, "an addak"},
      {"kwS", "6B 77", 1, "an addak after kanna"},
      {"kYS", "6B 59 A5", 0, "beside the AI sign the addak takes its second glyph"},
      {"ae", "61", 1, "URA takes only U and UU"},
      {"au", "61 75", 0, "URA with U"},
      {"ew", "65", 1, "IRI takes only II and EE"},
      {"eI", "65 49", 0, "IRI with II"},
      {"kML", "6B 4D", 1, "a nukta after anything but its consonants"},
  };
  expect_checked("Quilm2010", true, std::begin(cases), std::end(cases));
}

TEST(QuilmCheck, ComposesWithTheGlyphBeforeTheCaret) {
  const Case cases[] = {
      {"nUM", "83", 0, "NA, UU, tippi"},
      {"nMU", "83", 0, "NA, tippi, UU"},
      {"kwN", "6B A2", 0, "kanna and bindi"},
      {"sL", "C8", 0, "SHA"},
      {"jL", "CB", 0, "ZA"},
      {"KL", "C9", 0, "KHHA"},
      {"gL", "CA", 0, "GHHA"},
      {"PL", "CC", 0, "FA"},
      {"lL", "DC", 0, "LLA"},
  };
  expect_checked("Quilm2010", true, std::begin(cases), std::end(cases));
}

// Sihari is typed before its consonant, so the glyphs after the caret say
// whether that consonant already has a vowel sign.
TEST(QuilmCheck, LooksAtTheGlyphsAfterTheCaretForSihari) {
  const struct {
    const char16_t* text;
    int caret;
    int beeps;
    const char* label;
  } cases[] = {
      {u"kkw", 0, 0, "the next consonant is bare"},
      {u"kwk", 1, 1, "N1 is a kanna"},
      {u"kwk", 0, 1, "N2 is a kanna: the consonant after the caret has one"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    Typist t(kDefaultLayout, "Quilm2010", true);
    t.editor.SetSelText(c.text);
    t.editor.SetSelStart(c.caret);
    t.type("i");
    EXPECT_EQ(t.prompter.beeps, c.beeps);
    EXPECT_EQ(t.editor.TextLength(), c.beeps ? 3 : 4);
  }
}

TEST(QuilmCheck, IsAnOptionThatCanBeTurnedOff) {
  const Case cases[] = {
      {" w", "20 77", 0, "a vowel sign after a space"},
      {"sL", "73 4C", 0, "no composition either"},
  };
  expect_checked("Quilm2010", false, std::begin(cases), std::end(cases));
}

TEST(QuilmCheck, RunsOnlyWithTheDefaultLayout) {
  Typist t(kDefaultLayout, "Quilm2010", true);
  t.state.keyboard_layout = t.fonts.get_font_index("AnmolLipi");
  t.type(" w");
  EXPECT_EQ(t.prompter.beeps, 0);
}

TEST(Font23Check, RunsWhateverTheOption) {
  const Case cases[] = {
      {" w", "20", 1, "a vowel sign after a space"},
      {"kw", "6B 77", 0, "kanna on a consonant"},
      {"kwy", "6B 77", 1, "a second vowel sign"},
      {"kwN", "6B 77 4E", 0, "no kanna-bindi composition"},
      {"kN", "6B", 1, "bindi on a bare consonant"},
      {"nUM", "83", 0, "NA, UU, tippi"},
      {"nU\xB5", "83", 0, "NA, UU, the second tippi"},
      {"k`", "6B 60", 0, "an addak"},
      {"kw~", "6B 77", 1, "an addak after kanna"},
  };
  expect_checked("AnmolLipi", false, std::begin(cases), std::end(cases));
  expect_checked("GurbaniLipi", false, std::begin(cases), std::end(cases));
}

}  // namespace
}  // namespace quilm::typing::test
