// F5 on the in-memory editor: each run in its own font, English kept,
// Unicode Gurmukhi transliterated, fonts without a reader reported.
//   AnmolLipi (font index 2) "pMjwb" is PA, tippi, JA, kanna, BA: "panjaab".
#include <gtest/gtest.h>

#include "encoding/utf16.h"
#include "tests/convert/document_fixture.h"
#include "translit/roman_document.h"

namespace quilm::test {
namespace {

struct RomanDocument : DocumentFixture {
  std::string roman() {
    const RomanTextTools tools{converter, nullptr, nullptr};
    return to_utf8(transliterate_document_to_roman(editor, fonts, tools, prompter));
  }
};

TEST(RomanDocument, EachRunIsReadInItsOwnFont) {
  struct Case {
    const char* label;
    std::vector<std::pair<std::u16string, std::string>> runs;
    const char* expected;
  };
  const Case cases[] = {
      {"Gurmukhi font between English runs",
       {{u"Hi, ", "Arial"}, {u"pMjwb pMjwb", "AnmolLipi"}, {u" (text)", "Arial"}},
       "Hi, panjaab panjaab (text)"},
      {"English bytes that would be Gurmukhi glyphs stay English",
       {{u"pMjwb ", "Arial"}, {u"pMjwb", "AnmolLipi"}},
       "pMjwb panjaab"},
      {"Unicode Gurmukhi in an English font", {{u"ok \u0A2A\u0A70\u0A1C\u0A3E\u0A2C.", "Arial"}}, "ok panjaab."},
      {"a danda becomes a full stop, line ends stay", {{u"pMjwb[\rpMjwb", "AnmolLipi"}}, "panjaab.\rpanjaab"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    RomanDocument doc;
    for (const auto& [text, font] : c.runs) doc.add(text, font);
    EXPECT_EQ(doc.roman(), c.expected);
    EXPECT_TRUE(doc.prompter.silent());
    EXPECT_EQ(doc.prompter.progress_ends, 1);
  }
}

TEST(RomanDocument, ASelectionGivesOnlyItsWords) {
  RomanDocument doc;
  doc.add(u"Hi pMjwb ", "Arial");
  doc.add(u"pMjwb ekw", "AnmolLipi");
  doc.editor.SetSelStart(9);
  doc.editor.SetSelLength(5);
  EXPECT_EQ(doc.roman(), "panjaab");
}

TEST(RomanDocument, TextWithoutGurmukhiIsRefusedWithTheFontAtTheCaret) {
  RomanDocument doc;
  doc.add(u"Hello", "Arial");
  EXPECT_EQ(doc.roman(), "");
  ASSERT_EQ(doc.prompter.messages.size(), 1u);
  EXPECT_EQ(doc.prompter.messages[0], "Font : Arial not supported for transliteration");
  EXPECT_EQ(doc.prompter.progress_ends, 1) << "the progress bar is hidden on every way out";
}

TEST(RomanDocument, AGurmukhiFontWithoutAReaderIsReportedAndLeftAsItIs) {
  RomanDocument doc;
  doc.add(u"pMjwb ", "AnmolLipi");
  doc.add(u"abc", "Ekta");
  EXPECT_EQ(doc.roman(), "panjaab abc");
  ASSERT_EQ(doc.prompter.messages.size(), 1u);
  EXPECT_EQ(doc.prompter.messages[0], "Font : Ekta not supported for transliteration");
}

}  // namespace
}  // namespace quilm::test
