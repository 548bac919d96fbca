// Unicode, ISCII and Devanagari export of the document, and CheckUnicode.
#include <gtest/gtest.h>

#include "convert/devanagari_document.h"
#include "convert/iscii_document.h"
#include "convert/unicode_document.h"
#include "encoding/utf16.h"
#include "tests/convert/document_fixture.h"
#include "tests/support/hex_text.h"
#include "tests/support/temp_dir.h"

namespace quilm {
namespace {

using test::hex_text::hex;

TEST(UnicodeExportTest, FileHasTheMarkAndOneLineEndPerParagraph) {
  test::DocumentFixture doc;
  doc.add_bytes("siq  nwmu\r\nkrqw", "AnmolLipi");
  test::TempDir dir;
  ASSERT_TRUE(SaveUnicodeFile(doc.context, dir / "out.txt"));
  const Bytes file = dir.read("out.txt");
  ASSERT_EQ(file.substr(0, 2), kUtf16Bom);
  // Two spaces stay two spaces; the paragraph break is one CR LF.
  EXPECT_EQ(*from_utf16le(file), u"ਸਤਿ  ਨਾਮੁ\r\nਕਰਤਾ");
  EXPECT_EQ(doc.prompter.captions.front(), "Exporting to Unicode...");
  EXPECT_EQ(doc.prompter.progress_ends, 1);
}

TEST(UnicodeExportTest, Utf8FilesHaveNoMarkAndLfLineEnds) {
  test::DocumentFixture doc;
  doc.add_bytes("siq\r\nkrqw", "AnmolLipi");
  test::TempDir dir;
  ASSERT_TRUE(SaveUnicodeFile(doc.context, dir / "out.txt", {kLinuxUtf8Form}));
  EXPECT_EQ(dir.read("out.txt"), "\xE0\xA8\xB8\xE0\xA8\xA4\xE0\xA8\xBF\n\xE0\xA8\x95\xE0\xA8\xB0\xE0\xA8\xA4\xE0\xA8\xBE");
}

// The AnmolLipi family draws Gurmukhi numerals at the digit bytes; the
// tables keep ASCII digits, and the export writes numerals only when asked.
TEST(UnicodeExportTest, GurmukhiDigitsOnlyWhenAskedAndOnlyInGurmukhiFonts) {
  test::DocumentFixture doc;
  doc.add_bytes("]1] ", "AnmolLipi");
  doc.add(u"page 12", "Arial");
  EXPECT_EQ(document_as_unicode(doc.context), u"॥" u"1॥ page 12");
  EXPECT_EQ(document_as_unicode(doc.context, true), u"॥੧॥ page 12");
  test::TempDir dir;
  ASSERT_TRUE(SaveUnicodeFile(doc.context, dir / "out.txt", {kLinuxUtf8Form, true}));
  EXPECT_EQ(dir.read("out.txt"), "\xE0\xA5\xA5\xE0\xA9\xA7\xE0\xA5\xA5 page 12");
}

TEST(UnicodeExportTest, TextInOtherFontsIsWrittenAsItIs) {
  test::DocumentFixture doc;
  doc.add_bytes("siq ", "AnmolLipi");
  doc.add(u"naïve \u20AC", "Arial");
  EXPECT_EQ(document_as_unicode(doc.context), u"ਸਤਿ naïve \u20AC");
}

TEST(UnicodeExportTest, LongRunsAreConvertedWhole) {
  test::DocumentFixture doc;
  const Bytes word(300, 'k');  // far more than one piece of 200 bytes
  doc.add_bytes(word, "AnmolLipi");
  EXPECT_EQ(document_as_unicode(doc.context), std::u16string(300, u'\u0A15'));
  EXPECT_TRUE(doc.prompter.silent());
}

TEST(UnicodeExportTest, AsciiToUnicodeReplacesTheDocument) {
  test::DocumentFixture doc;
  doc.add_bytes("siq", "AnmolLipi");
  ASCIIToUnicode(doc.context);
  EXPECT_EQ(doc.editor.Text(), u"ਸਤਿ");
  doc.editor.Select(0, 1);
  EXPECT_EQ(doc.editor.FontName(), "Raavi");
}

TEST(UnicodeExportTest, UnwritableFileIsAnErrorNamingIt) {
  test::DocumentFixture doc;
  doc.add_bytes("siq", "AnmolLipi");
  test::TempDir dir;
  const Status status = SaveUnicodeFile(doc.context, dir / "missing" / "out.txt");
  EXPECT_FALSE(status);
  EXPECT_NE(status.message().find("Error Creating Unicode File"), std::string::npos);
  EXPECT_EQ(doc.prompter.errors.size(), 1u);
}

TEST(IsciiExportTest, NoHeaderAndTwoSpacesStay) {
  test::DocumentFixture doc;
  doc.add_bytes("ik  k ]", "AnmolLipi");
  test::TempDir dir;
  ASSERT_TRUE(SaveISCIIFile(doc.context, dir / "out.aci"));
  EXPECT_EQ(hex(dir.read("out.aci")), "B3 DB 20 20 B3 20 EA EA");
}

TEST(DevanagariExportTest, FileHasTheMark) {
  test::DocumentFixture doc;
  doc.add_bytes("siq", "AnmolLipi");
  test::TempDir dir;
  ASSERT_TRUE(SaveHindiUnicodeFile(doc.context, dir / "hi.txt"));
  EXPECT_EQ(*from_utf16le(dir.read("hi.txt")), u"सति");
}

TEST(CheckUnicodeTest, Cases) {
  struct Case {
    const char* label;
    std::u16string text;
    bool unicode;
  };
  const Case cases[] = {
      {"empty document", u"", false},
      {"a Unicode file opened as 8-bit text", u"\u00FF\u00FEabc", true},
      {"Gurmukhi text", u"ਸਤਿ ਨਾਮੁ", true},
      {"Latin text", u"hello world", false},
      {"legacy glyph bytes", u"siq nwmu", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    test::DocumentFixture doc;
    if (!c.text.empty()) doc.add(c.text, "Arial");
    EXPECT_EQ(CheckUnicode(doc.editor), c.unicode);
  }
}

}  // namespace
}  // namespace quilm
