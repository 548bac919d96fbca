// Every format that the program writes reads back what it wrote.
#include <gtest/gtest.h>

#include "formats/document_format.h"
#include "formats/office_conversion.h"
#include "tests/formats/format_samples.h"

namespace quilm::test {
namespace {

struct RoundTrip {
  FormatCode format;
  bool keeps_values;
};

Document without_values(Document doc) {
  doc.values = {};
  return doc;
}

TEST(FormatRoundTrip, RichDocumentReadsBackAsWritten) {
  const RoundTrip cases[] = {
      {FormatCode::Pbi, true}, {FormatCode::Xml, true}, {FormatCode::Rtf, true},
      {FormatCode::Html, false}, {FormatCode::Css, false},
  };
  const Document sample = rich_sample();
  for (const RoundTrip& c : cases) {
    SCOPED_TRACE(format_name(c.format));
    Bytes bytes;
    ASSERT_TRUE(write_document(c.format, sample, bytes, sample_legacy_fonts()).ok());
    Document back;
    const Status read = read_document(c.format, bytes, CharFormat{}, back, sample_legacy_fonts());
    ASSERT_TRUE(read.ok()) << read.message();
    const Document expected = c.keeps_values ? sample : without_values(sample);
    EXPECT_EQ(describe(back), describe(expected)) << bytes;
  }
}

TEST(FormatRoundTrip, EmptyDocumentsAndLoneBreaksStayAsTheyWere) {
  struct Case {
    const char* label;
    std::u16string text;
  };
  const Case cases[] = {
      {"empty", u""},
      {"one break", u"\r"},
      {"two breaks", u"\r\r"},
      {"text then break", u"a\r"},
      {"break then text", u"\ra"},
  };
  const FormatCode formats[] = {FormatCode::Pbi, FormatCode::Rtf, FormatCode::Html, FormatCode::Css};
  for (const Case& c : cases) {
    for (const FormatCode format : formats) {
      SCOPED_TRACE(std::string(c.label) + " as " + format_name(format));
      const Document doc = document_from_text(c.text, format_of(kTimes, 12));
      Bytes bytes;
      ASSERT_TRUE(write_document(format, doc, bytes).ok());
      Document back;
      ASSERT_TRUE(read_document(format, bytes, format_of(kTimes, 12), back).ok());
      EXPECT_EQ(describe(back), describe(doc)) << bytes;
    }
  }
}

// Without the legacy-font test every character is text: the RTF writer then
// writes U+0080 … U+009F as \uN, so that they do not come back as the code
// page 1252 punctuation.
TEST(FormatRoundTrip, RtfKeepsHighControlCharactersOfFontsItDoesNotKnow) {
  Document doc = document_from_text(u"\x93\x80\x9F\xE9\x201C", format_of(kTimes, 12));
  Bytes bytes;
  ASSERT_TRUE(write_document(FormatCode::Rtf, doc, bytes).ok());
  EXPECT_NE(bytes.find("\\u147\\'3f"), Bytes::npos) << bytes;
  EXPECT_NE(bytes.find("\\u8220\\'93"), Bytes::npos) << bytes;
  Document back;
  ASSERT_TRUE(read_document(FormatCode::Rtf, bytes, CharFormat{}, back).ok());
  EXPECT_EQ(describe(back), describe(doc));
}

// Legacy glyph bytes go out as 8-bit codes, as a Windows word processor
// writes them, so the file shows the same glyphs there.
TEST(FormatRoundTrip, RtfWritesLegacyGlyphsAsBytes) {
  Document doc = document_from_text(u"\x93\xE9k", format_of(kAnmol, 16));
  Bytes bytes;
  ASSERT_TRUE(write_document(FormatCode::Rtf, doc, bytes, sample_legacy_fonts()).ok());
  EXPECT_NE(bytes.find("\\'93\\'e9k"), Bytes::npos) << bytes;
  EXPECT_NE(bytes.find("\\fcharset0 AnmolLipi;"), Bytes::npos) << bytes;
}

TEST(FormatRoundTrip, RtfWritesTheLargestSizeInHalfPoints) {
  const Document doc = document_from_text(u"a", format_of("Arial", 2147483647));
  Bytes bytes;
  ASSERT_TRUE(write_document(FormatCode::Rtf, doc, bytes).ok());
  EXPECT_NE(bytes.find("\\fs4294967294"), Bytes::npos) << bytes;
}

TEST(FormatRoundTrip, XmlEscapesWhatXmlCannotHold) {
  Document doc = document_from_text(std::u16string(u"a<&>\x01\x1F\x7F\x93") + char16_t(0xD800) + u"b" +
                                        char16_t(0xFFFF) + u"\U0001F600",
                                    format_of("A \"quoted\" & <font> \xF0\x9F\x98\x80", 12));  // U+1F600 in the name too
  Bytes bytes;
  ASSERT_TRUE(write_document(FormatCode::Pbi, doc, bytes).ok());
  EXPECT_NE(bytes.find("<c u=\"1\"/><c u=\"1F\"/>&#x7F;&#x93;<c u=\"D800\"/>b<c u=\"FFFF\"/>"), Bytes::npos)
      << bytes;
  Document back;
  ASSERT_TRUE(read_document(FormatCode::Pbi, bytes, CharFormat{}, back).ok());
  EXPECT_EQ(describe(back), describe(doc));
}

}  // namespace
}  // namespace quilm::test
