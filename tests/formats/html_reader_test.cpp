// The HTML reader on pages of other programs: tags, style sheets, entities,
// white space as a browser treats it, legacy pages in code page 1252.
#include <gtest/gtest.h>

#include "formats/document_format.h"
#include "tests/formats/format_samples.h"

namespace quilm::test {
namespace {

Document read_page(BytesView html, FormatCode format = FormatCode::Html) {
  Document doc;
  const Status s = read_document(format, html, format_of(kTimes, 12), doc, sample_legacy_fonts());
  EXPECT_TRUE(s.ok()) << s.message();
  return doc;
}

TEST(HtmlReader, ParagraphsAndTextAsABrowserShowsThem) {
  struct Case {
    const char* label;
    const char* html;
    std::u16string text;
  };
  const Case cases[] = {
      {"blank runs collapse", "<p>  a \n  b  </p>", u"a b"},
      {"paragraphs and breaks", "<p>a</p>\n<p>b<br>c</p><div>d</div>", u"a\rb\rc\rd"},
      {"nested blocks make one paragraph", "<div><p>a</p></div><div><div>b</div></div>", u"a\rb"},
      {"an empty paragraph stays", "<p>a</p><p></p><p>b</p>", u"a\r\rb"},
      {"pre keeps its blanks and lines", "<pre>a  b\nc</pre>", u"a  b\rc"},
      {"entities", "<p>&amp;&lt;&gt;&quot;&nbsp;&#2581;&#x0A16;&ldquo;</p>", u"&<>\"\u00A0\u0A15\u0A16\u201C"},
      {"head, script and comments are no text", "<html><head><title>T</title><script>x<y</script></head>"
                                                "<body><!-- c --><p>a</p></body></html>", u"a"},
      {"a stray end tag closes nothing", "<p>a</span>b</p>", u"ab"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    std::u16string text;
    for (const TextRun& run : read_page(c.html).runs) text += run.text;
    EXPECT_EQ(text, c.text);
  }
}

TEST(HtmlReader, FormatsFromTagsInlineStylesAndStyleSheets) {
  const Document doc = read_page(
      "<html><head><style>.g { font-family: 'AnmolLipi', serif; font-size: 16pt } p.c { text-align: center }"
      "</style></head><body><p class=\"c\"><b>b</b><span class=\"g\" style=\"color:#00f\">k</span></p>"
      "<p align=right><font face=\"Satluj\" size=\"5\" color=\"red\"><i><u>x</u></i></font>"
      "<span style=\"font-size:24px;text-decoration:line-through;background-color:rgb(255,255,0)\">s</span></p>"
      "</body></html>");
  CharFormat bold = format_of(kTimes, 12);
  bold.bold = true;
  CharFormat blue_anmol = format_of(kAnmol, 16);
  blue_anmol.fore_color = 0x0000FF;
  CharFormat satluj = format_of(kSatluj, 18);
  satluj.fore_color = 0xFF0000;
  satluj.italic = satluj.underline = true;
  CharFormat struck = format_of(kTimes, 18);
  struck.strikethru = true;
  struck.back_color = 0xFFFF00;
  Document expected;
  expected.runs = {{u"b", bold}, {u"k\r", blue_anmol}, {u"x", satluj}, {u"s", struck}};
  expected.paragraphs = {Alignment::Center, Alignment::Right};
  EXPECT_EQ(describe(doc), describe(expected));
}

TEST(HtmlReader, SizesAndWeightsBeyondAnyNumberAreRead) {
  struct Case {
    const char* style;
    int size;
    bool bold;
  };
  const Case cases[] = {
      {"font-size:1e300pt", 2147483646, false},
      {"font-size:nanpt", 12, false},
      {"font-weight:99999999999999999999", 12, true},
      {"font-weight:599", 12, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.style);
    const Document doc = read_page(std::string("<p style=\"") + c.style + "\">a</p>");
    ASSERT_EQ(doc.runs.size(), 1u);
    EXPECT_EQ(doc.runs[0].format.font_size, c.size);
    EXPECT_EQ(doc.runs[0].format.bold, c.bold);
  }
}

// A legacy Gurmukhi page of the 2000s: code page 1252 bytes in a font tag.
TEST(HtmlReader, LegacyPagesInCodePage1252KeepTheirGlyphBytes) {
  const Document doc = read_page("<p><font face=\"AnmolLipi\">\x93\xE9k&#147;</font> \x93</p>");
  ASSERT_EQ(doc.runs.size(), 2u);
  EXPECT_EQ(doc.runs[0].text, u"\x93\xE9k\x93");
  EXPECT_EQ(doc.runs[1].text, u" \u201C");
}

TEST(HtmlReader, NotAPageIsRefused) {
  Document doc = document_from_text(u"kept", format_of(kTimes, 12));
  const Document before = doc;
  const Status s = read_document(FormatCode::Html, "just text", CharFormat{}, doc);
  EXPECT_FALSE(s.ok());
  EXPECT_NE(s.message().find("not an HTML page"), std::string::npos);
  EXPECT_EQ(doc, before);
}

}  // namespace
}  // namespace quilm::test
