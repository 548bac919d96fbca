#include "app/quotation_marks.h"

#include <gtest/gtest.h>

#include "editors/memory_editor.h"

namespace quilm {
namespace {

// A legacy Gurmukhi font holds glyph bytes, so a mark goes in as its code
// page 1252 byte there and as itself in any other font.
TEST(QuotationMarks, ALegacyFontGetsTheByteAndAnyOtherFontTheMark) {
  const FontRegistry fonts;
  struct Case {
    const char* font;
    std::u16string inserted;  // the four marks in turn
  };
  const Case cases[] = {
      {"AnmolLipi", u"\x91\x92\x93\x94"},
      {"Quilm2010", u"\x91\x92\x93\x94"},
      {"Arial", u"\u2018\u2019\u201C\u201D"},
      {"Raavi", u"\u2018\u2019\u201C\u201D"},  // a Unicode Gurmukhi font
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.font);
    MemoryEditor editor;
    editor.SetFontName(c.font);
    for (char16_t mark : kQuotationMarks) insert_quotation_mark(editor, fonts, mark);
    EXPECT_EQ(editor.Text(), c.inserted);
    for (const TextRun& run : editor.Runs()) EXPECT_EQ(run.format.font_name, c.font);
  }
}

TEST(QuotationMarks, TheMarkReplacesTheSelection) {
  const FontRegistry fonts;
  MemoryEditor editor;
  editor.SetFontName("AnmolLipi");
  editor.SetSelText(u"kwl");
  editor.Select(1, 1);
  insert_quotation_mark(editor, fonts, kQuotationMarks[2]);
  EXPECT_EQ(editor.Text(), u"k\x93l");
  EXPECT_EQ(editor.SelStart(), 2);
}

}  // namespace
}  // namespace quilm
