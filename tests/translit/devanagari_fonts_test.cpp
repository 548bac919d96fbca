// Gurmukhi into the Kruti Dev 010 and Chanakya fonts: the recoding of Kruti
// Dev into Chanakya, and the document rewritten in place.
#include <gtest/gtest.h>

#include "encoding/unicode_input.h"
#include "tests/convert/font_document.h"
#include "translit/devanagari_fonts.h"
#include "translit/kruti_to_chankya.h"

namespace quilm::test {
namespace {

TEST(KrutiToChankya, GlyphsPairsAndTheJoiner) {
  const std::pair<const char*, const char*> cases[] = {
      {"69 61 74 6B 63", "C2 A2 C1 E6 D5"},  // iatkc: the word for Punjab
      {"51 51", "C8 A4 C8"},                  // the joiner after 0x51 before a joining glyph
      {"5B 6B", "B9"},                        // KHA is one glyph
      {"51 5B 6B", "C8 A4 B9"},               // the joiner, then KHA
      {"64 20 64", "B7 20 B7"},               // no joiner before a blank
      {"51", "C8"},                           // nor at the end
      {"5B", "81"},                           // half a pair
      {"20 0D 01", "20 0D 01"},               // bytes without a row are copied
      {"", ""},
  };
  for (const auto& [kruti, chanakya] : cases) {
    SCOPED_TRACE(kruti);
    EXPECT_EQ(to_hex(kruti_to_chankya(hex(kruti))), chanakya);
  }
}

// Words typed in Kruti Dev 010 as its keyboard layout draws them (क is d,
// ि is f before its consonant, रू is ":"), against what the writer gives.
TEST(DevanagariFonts, KrutiDevSpellingsOfKnownWords) {
  const std::pair<std::u16string_view, const char*> cases[] = {
      {u"\u0A2A\u0A70\u0A1C\u0A3E\u0A2C", "iatkc"},   // pañjāb: पंजाब
      {u"\u0A28\u0A3E\u0A28\u0A15", "ukud"},          // nānak: नानक
      {u"\u0A38\u0A24\u0A3F", "lfr"},                 // sati: सति
      {u"\u0A17\u0A41\u0A30\u0A42", "xq:"},           // gurū: गुरू
      {u"\u0A15\u0A2E\u0A32", "dey"},                 // kamal: कमल
      {u"\u0A38\u0A3F\u0A70\u0A18", "fla\xC4"},       // siṅgh: सिंघ, with घ as its one glyph 0xC4
  };
  ConversionContext context;
  const FontConverter converter(context);
  for (const auto& [gurmukhi, kruti] : cases) {
    SCOPED_TRACE(kruti);
    EXPECT_EQ(pivot_to_devanagari_font(UniCodetoGur(gurmukhi), DevanagariFont::KrutiDev, converter), kruti);
  }
}

TEST(DevanagariFonts, GurmukhiWordsAreRewrittenAndOtherTextKept) {
  struct Case {
    DevanagariFont font;
    const char* expected;
  };
  const Case cases[] = {
      {DevanagariFont::KrutiDev, "Arial: 48 69 20 | Kruti Dev 010: 69 61 74 6B 63 | Arial: 20 6F 6B"},
      {DevanagariFont::Chanakya, "Arial: 48 69 20 | Chanakya: C2 A2 C1 E6 D5 | Arial: 20 6F 6B"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(font_name(c.font)));
    FontDocument doc;
    doc.add("48 69 20", "Arial").add("70 4D 6A 77 62", "AnmolLipi").add("20 6F 6B", "Arial");
    doc.conversion.typing = true;
    EXPECT_EQ(TransliterateDocument(doc.context, c.font, doc.last_word_font_index), FontConversionResult::Converted);
    EXPECT_EQ(doc.runs(), c.expected);
    EXPECT_FALSE(doc.conversion.typing);
    EXPECT_TRUE(doc.prompter.silent());
  }
}

TEST(DevanagariFonts, ASelectionRewritesOnlyItsWords) {
  FontDocument doc;
  doc.add("70 4D 6A 77 62 20 70 4D 6A 77 62", "AnmolLipi");
  doc.editor.SetSelStart(6);
  doc.editor.SetSelLength(5);
  TransGurKru(doc.context, doc.last_word_font_index);
  EXPECT_EQ(doc.runs(), "AnmolLipi: 70 4D 6A 77 62 20 | Kruti Dev 010: 69 61 74 6B 63");
}

}  // namespace
}  // namespace quilm::test
