// The RTF reader on documents of other programs: a Windows word processor
// (code page 1252, \uN with fallbacks, a symbol font) and LibreOffice.
#include <gtest/gtest.h>

#include "formats/document_format.h"
#include "tests/formats/format_samples.h"

namespace quilm::test {
namespace {

Document read_rtf_text(BytesView rtf, const LegacyFontTest& legacy = sample_legacy_fonts()) {
  Document doc;
  const Status s = read_document(FormatCode::Rtf, rtf, format_of(kTimes, 12), doc, legacy);
  EXPECT_TRUE(s.ok()) << s.message();
  return doc;
}

// What both fixtures hold: the text as a Windows word processor saved it.
Document wordpad_document() {
  const CharFormat arial = format_of("Arial", 10);
  const CharFormat anmol = format_of(kAnmol, 16);
  CharFormat anmol_bold = anmol;
  anmol_bold.bold = true;
  const CharFormat satluj = format_of(kSatluj, 16);
  const CharFormat raavi = format_of(kRaavi, 16);
  CharFormat raavi_red = raavi;
  raavi_red.fore_color = 0xFF0000;
  Document doc;
  doc.runs = {
      {u"Hello \u201Cworld\u201D\r", arial},
      {u"\x93ksL \xE9\x91 ", anmol},
      {u"bold\r", anmol_bold},
      {u"\x93\xCAx\r", satluj},
      {u"\u0A38\u0A41?\r", raavi},
      {u"red", raavi_red},
  };
  doc.paragraphs = {Alignment::Center, Alignment::Left, Alignment::Left, Alignment::Right, Alignment::Right};
  doc.values = {12240, 15840, 1800, 1440, 1800, 1440};
  return doc;
}

// LibreOffice saved the same document: it gives Unicode Gurmukhi its font of
// complex scripts (\rtlch\af), which was its default, DejaVu Sans 12.
Document libreoffice_document() {
  Document doc = wordpad_document();
  doc.runs[4].text = u"?\r";
  doc.runs.insert(doc.runs.begin() + 4, {u"\u0A38\u0A41", format_of("DejaVu Sans", 12)});
  return doc;
}

TEST(RtfReader, DocumentsOfOtherProgramsKeepTheirGlyphBytesFontsAndLayout) {
  const std::pair<const char*, Document> fixtures[] = {
      {"windows_wordpad.rtf", wordpad_document()},
      {"libreoffice_wordpad.rtf", libreoffice_document()},
  };
  for (const auto& [name, expected] : fixtures) {
    SCOPED_TRACE(name);
    const Bytes rtf = fixture(name);
    ASSERT_FALSE(rtf.empty());
    EXPECT_EQ(describe(breaks_as_text_before(read_rtf_text(rtf))), describe(expected));
  }
}

TEST(RtfReader, ForeignCharactersOfLegacyFontsBecomeTheirBytes) {
  struct Case {
    const char* label;
    const char* rtf;
    std::u16string expected;  // of the one paragraph, in AnmolLipi
  };
  const Case cases[] = {
      {"code page 1252 byte", R"({\rtf1\ansi\ansicpg1252{\fonttbl{\f0 AnmolLipi;}}\f0 \'93\'85\'80})", u"\x93\x85\x80"},
      {"Unicode punctuation", R"({\rtf1\ansi{\fonttbl{\f0 AnmolLipi;}}\f0\uc1\u8220?\u8230?\u8364?})", u"\x93\x85\x80"},
      {"symbol-font code", R"({\rtf1\ansi{\fonttbl{\f0\fcharset2 AnmolLipi;}}\f0\u-3949?\'e9})", u"\x93\xE9"},
      {"two-character fallback", R"({\rtf1\ansi{\fonttbl{\f0 AnmolLipi;}}\f0\uc2\u8220\'3f\'3fk})", u"\x93k"},
      {"no fallback", R"({\rtf1\ansi{\fonttbl{\f0 AnmolLipi;}}\f0\uc0\u8220 k})", u"\x93k"},
      {"fallback ends with its group", R"({\rtf1\ansi{\fonttbl{\f0 AnmolLipi;}}\f0\uc3{\u8220}k})", u"\x93k"},
      {"named quotation marks", R"({\rtf1\ansi{\fonttbl{\f0 AnmolLipi;}}\f0\lquote\rdblquote\emdash})", u"\x91\x94\x97"},
      {"literal high byte", "{\\rtf1\\ansi{\\fonttbl{\\f0 AnmolLipi;}}\\f0 \x93\xE9}", u"\x93\xE9"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    const Document doc = read_rtf_text(c.rtf);
    ASSERT_EQ(doc.runs.size(), 1u);
    EXPECT_EQ(doc.runs[0].format.font_name, kAnmol);
    EXPECT_EQ(describe(doc), describe(document_from_text(c.expected, doc.runs[0].format)));
  }
}

TEST(RtfReader, LatinFontsKeepTheCharactersTheFileMeans) {
  const Document doc = read_rtf_text(R"({\rtf1\ansi{\fonttbl{\f0 Arial;}{\f1\fcharset2 Wingdings;}}\f0 \'93a\u61587?{\f1 \'4a}})");
  ASSERT_EQ(doc.runs.size(), 2u);
  EXPECT_EQ(doc.runs[0].text, u"\u201Ca\uF093");
  EXPECT_EQ(doc.runs[1].text, u"J");
}

TEST(RtfReader, GroupsScopeCharacterFormatsAndPlainResetsThem) {
  const Document doc = read_rtf_text(
      R"({\rtf1{\fonttbl{\f0 Arial;}{\f1 AnmolLipi;}}{\colortbl;\red0\green0\blue255;}\f1\fs40\b a{\i\ul\strike\cf1\highlight1 b}c\plain d})");
  CharFormat a = format_of(kAnmol, 20);
  a.bold = true;
  CharFormat b = a;
  b.italic = b.underline = b.strikethru = true;
  b.fore_color = b.back_color = 0x0000FF;
  const CharFormat d = format_of("Arial", 12);  // \plain: the default font \f0, 12 points
  Document expected;
  expected.runs = {{u"a", a}, {u"b", b}, {u"c", a}, {u"d", d}};
  EXPECT_EQ(describe(doc), describe(expected));
}

TEST(RtfReader, SizeOutOfAllReasonStaysANumber) {
  const Document doc = read_rtf_text(R"({\rtf1{\fonttbl{\f0 Arial;}}\f0\fs99999999999 a})");
  ASSERT_EQ(doc.runs.size(), 1u);
  EXPECT_EQ(doc.runs[0].format.font_size, 1073741824);  // the largest parameter, 2^31 - 1 half points
}

TEST(RtfReader, SkipsWhatIsNotDocumentText) {
  const Document doc = read_rtf_text(
      R"({\rtf1{\fonttbl{\f0 Arial;}}{\stylesheet{\s0 Normal;}}{\info{\title T}}{\header H}{\*\unknown U})"
      R"({\pict\pngblip 89504e47}{\*\shppict x}\f0 a{\field{\*\fldinst PAGE}{\fldrslt 1}}\bin3 {}}b\cell c\row})");
  ASSERT_EQ(doc.runs.size(), 1u);
  EXPECT_EQ(doc.runs[0].text, u"a1b\tc");
}

TEST(RtfReader, UnicodeGurmukhiTakesTheComplexScriptFont) {
  const Document doc =
      read_rtf_text(R"({\rtf1{\fonttbl{\f0 Arial;}{\f1 Raavi;}}\rtlch\af1\afs32\ltrch\f0\fs20 a\u2581?})");
  ASSERT_EQ(doc.runs.size(), 2u);
  EXPECT_EQ(doc.runs[0].format, format_of("Arial", 10));
  EXPECT_EQ(doc.runs[1].text, u"\u0A15");
  EXPECT_EQ(doc.runs[1].format, format_of(kRaavi, 16));
}

}  // namespace
}  // namespace quilm::test
