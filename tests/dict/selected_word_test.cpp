// The word a dictionary takes from a selection, in each kind of text: Unicode
// Gurmukhi (also when set in a legacy font's name), a legacy font's glyph
// bytes with punctuation around them, and English.
#include <gtest/gtest.h>

#include "dict/selected_word.h"
#include "tests/convert/document_fixture.h"

namespace quilm {
namespace {

TEST(SelectedWord, TheFirstWordOfEachKindOfTextComesBackAsUnicode) {
  test::DocumentFixture f;
  struct Case {
    const char* label;
    const char16_t* selected;
    const char* font;  // "" for English
    std::size_t start, length;
    const char16_t* unicode;
  };
  const Case cases[] = {
      {"Unicode", u", \u0A2E\u0A41\u0A70\u0A21\u0A47 \u0A39\u0A28", "Arial", 2, 5, u"\u0A2E\u0A41\u0A70\u0A21\u0A47"},
      {"Unicode set in a legacy font's name", u"\u0A39\u0A28.", "AnmolLipi", 0, 2, u"\u0A39\u0A28"},
      {"legacy glyphs, the comma outside the word", u" muMfy, ", "AnmolLipi", 1, 5, u"\u0A2E\u0A41\u0A70\u0A21\u0A47"},
      {"no word", u" , ", "AnmolLipi", 3, 0, u""},
      {"English", u"(the boy)", "", 1, 3, u"the"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    const SelectedWord word = *c.font ? punjabi_word_in(c.selected, FontText::of(c.font, f.fonts), f.converter)
                                      : english_word_in(c.selected);
    EXPECT_EQ(word.start, c.start);
    EXPECT_EQ(word.length, c.length);
    EXPECT_EQ(word.unicode, c.unicode);
  }
}

}  // namespace
}  // namespace quilm
