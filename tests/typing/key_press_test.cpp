// The key-press hook: the language toggle, the Default layout and the key
// layout of another font, and what the hook reports around the caret.
#include <gtest/gtest.h>

#include "typing/caret_status.h"
#include "typing/language_toggle.h"
#include "tests/typing/typist.h"

namespace quilm::typing::test {
namespace {

TEST(KeyPress, PassesEveryKeyInTheEnglishState) {
  Typist t(kRomanisedLayout, "Times New Roman");
  t.state.punjabi = false;
  t.type("kh aa");
  EXPECT_EQ(t.text_hex(), "6B 68 20 61 61");
  EXPECT_EQ(t.editor.Runs()[0].format.font_name, "Times New Roman");
}

TEST(KeyPress, DefaultLayoutTypesTheFontsOwnGlyphs) {
  for (const char* font : {"Quilm2010", "AnmolLipi", "Times New Roman"}) {
    SCOPED_TRACE(font);
    Typist t(kDefaultLayout, font);
    t.type("kh");
    EXPECT_EQ(t.text_hex(), "6B 68");
  }
}

TEST(KeyPress, AnotherFontsKeyLayoutTypesIntoTheEditorsFont) {
  const struct {
    const char* font;
    const char* keys;
    const char* glyphs;
    const char* label;
  } cases[] = {
      {"Quilm2010", "^", "C9", "KHHA"},
      {"Quilm2010", "`", "53", "addak"},
      {"Quilm2010", "&", "CC", "FA"},
      {"Quilm2010", "\\", "7A", "NYA"},
      {"Quilm2010", "[", "2E", "danda"},
      {"Quilm2010", "nUM", "83", "NA UU tippi joined with the glyphs before the caret"},
      {"Quilm2010", "nMU", "83", "NA tippi UU joined with the glyphs before the caret"},
      {"Times New Roman", "^", "5E", "a font outside the Gurmukhi font list takes the key unchanged"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.label) + ": \"" + c.keys + "\"");
    Typist t(kDefaultLayout, c.font);
    t.state.keyboard_layout = t.fonts.get_font_index("AnmolLipi");
    t.type(c.keys);
    EXPECT_EQ(t.text_hex(), c.glyphs);
    EXPECT_EQ(t.conversion.erase_before_caret, 0);
  }
}

struct ToggleFixture {
  Typist t{kRomanisedLayout, "AnmolLipi"};
  std::string punjabi_name = "Quilm2010", english_name = "Times New Roman";
  int punjabi_size = 16, english_size = 12;

  void toggle() {
    LanguageEnglish1Click(t.editor, t.fonts, t.state, {punjabi_name, punjabi_size}, {english_name, english_size});
  }
};

TEST(LanguageToggle, TwiceReturnsToThePunjabiFontAtTheCaret) {
  ToggleFixture f;
  f.t.editor.SetFontSize(20);
  EXPECT_STREQ(language_caption(f.t.state), "&Language - English");
  f.toggle();
  EXPECT_STREQ(language_caption(f.t.state), "&Language - Punjabi");
  EXPECT_EQ(f.t.editor.FontName(), "Times New Roman");
  EXPECT_EQ(f.t.editor.FontSize(), 12);
  EXPECT_EQ(f.punjabi_name, "AnmolLipi");
  EXPECT_EQ(f.punjabi_size, 20);
  f.toggle();
  EXPECT_STREQ(language_caption(f.t.state), "&Language - English");
  EXPECT_EQ(f.t.editor.FontName(), "AnmolLipi");
  EXPECT_EQ(f.t.editor.FontSize(), 20);
}

TEST(LanguageToggle, StaysWhileTheCaretIsInAFontOfTheOtherLanguage) {
  ToggleFixture f;
  f.t.editor.SetFontName("Arial");
  f.toggle();
  EXPECT_TRUE(f.t.state.punjabi);
  EXPECT_EQ(f.english_name, "Arial");
  EXPECT_EQ(f.punjabi_name, "Quilm2010");
  EXPECT_EQ(f.t.editor.FontName(), "Arial");
}

TEST(KeyPress, EditorFocusLetsTheWritersJoinTypedGlyphs) {
  ConversionContext conversion;
  richedit1Enter(conversion);
  EXPECT_TRUE(conversion.typing);
}

TEST(CaretStatus, NamesLineAndColumnOfTheCaret) {
  Typist t(kDefaultLayout);
  t.editor.SetSelText(u"ab\rcd");
  const struct {
    int caret;
    const char* line;
    const char* column;
  } cases[] = {{0, "Line 1", "Col 0"}, {2, "Line 1", "Col 2"}, {3, "Line 2", "Col 0"}, {5, "Line 2", "Col 2"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.caret);
    t.editor.SetSelStart(c.caret);
    const CaretPlace place = caret_place(t.editor);
    EXPECT_EQ(place.page_caption(), "Page 1");
    EXPECT_EQ(place.line_caption(), c.line);
    EXPECT_EQ(place.column_caption(), c.column);
  }
}

}  // namespace
}  // namespace quilm::typing::test
