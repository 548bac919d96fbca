// "Change Font" on the in-memory editor: the whole document, a selection,
// Unicode, PNB-TTAmar and the fonts it must refuse.
//
// Glyphs used (AnmolLipi, font index 2, and Satluj, 22, into Quilm2010, 35):
//   AnmolLipi 70 49 5C 77 (pI\w) -> Quilm2010 70 49 7A 77: the byte 5C differs
//   AnmolLipi 68 59 5B (hY[, "is" and a danda) -> 68 59 2E: the danda differs
//   Satluj EA B3 DC C5 EC (Punjab) -> 70 4D 6A 77 62
#include <gtest/gtest.h>

#include "convert/unicode_document.h"
#include "tests/convert/font_document.h"

namespace quilm::test {
namespace {

constexpr const char* kLatin = "Times New Roman";

TEST(ChangeFont, ConvertsEachWordFromItsOwnFontAndLeavesLatinText) {
  struct Case {
    const char* label;
    std::vector<std::pair<std::string, std::string>> pieces;  // hex, font
    std::string expected;
  };
  const Case cases[] = {
      {"Latin, two Gurmukhi fonts, a paragraph break after a word",
       {{"48 69 20", kLatin}, {"70 49 5C 77 20 68 59 5B", "AnmolLipi"}, {"0D", "AnmolLipi"},
        {"EA B3 DC C5 EC", "Satluj"}, {"20 6F 6B", kLatin}},
       "Times New Roman: 48 69 20 | Quilm2010: 70 49 7A 77 20 68 59 2E | AnmolLipi: 0D | "
       "Quilm2010: 70 4D 6A 77 62 | Times New Roman: 20 6F 6B"},
      // A word that changes font halfway is two words, each read in its font.
      {"a font change inside a word",
       {{"70 49 5C 77", "AnmolLipi"}, {"EA B3 DC C5 EC", "Satluj"}},
       "Quilm2010: 70 49 7A 77 70 4D 6A 77 62"},
      // A separator with no word before it is converted by itself.
      {"a danda alone", {{"5B", "AnmolLipi"}}, "Quilm2010: 2E"},
      // Text already in the destination font is not converted again.
      {"text in the destination font", {{"68 59 5B", "Quilm2010"}, {"68 59 5B", "AnmolLipi"}},
       "Quilm2010: 68 59 5B 68 59 2E"},
      {"a Latin font with Gurmukhi-looking bytes", {{"70 49 5C 77 5B", kLatin}},
       "Times New Roman: 70 49 5C 77 5B"},
      {"an empty document", {}, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    FontDocument doc;
    for (const auto& [bytes, font] : c.pieces) doc.add(bytes, font);
    EXPECT_EQ(doc.change_font("Quilm2010"), FontConversionResult::Converted);
    EXPECT_EQ(doc.runs(), c.expected);
    EXPECT_TRUE(doc.prompter.silent());
  }
}

TEST(ChangeFont, WholeDocumentKeepsAttributesReportsProgressAndRemembersTheLastFont) {
  FontDocument doc;
  doc.add("41 42 20", kLatin).add("68 59 5B", "AnmolLipi", true).add("EA B3 DC C5 EC", "Satluj");
  doc.editor.SetSelStart(2);
  doc.conversion.typing = true;
  doc.change_font("Quilm2010");
  EXPECT_EQ(doc.runs(), "Times New Roman: 41 42 20 | Quilm2010+b: 68 59 2E | Quilm2010: 70 4D 6A 77 62");
  EXPECT_FALSE(doc.conversion.typing);
  EXPECT_EQ(doc.editor.SelStart(), 2);
  EXPECT_EQ(doc.editor.SelLength(), 0);
  EXPECT_FALSE(doc.editor.LockWindowUpdate());
  EXPECT_EQ(doc.prompter.progress_max, 12);  // the text length plus 1
  EXPECT_EQ(doc.prompter.progress_ends, 1);
  ASSERT_FALSE(doc.prompter.captions.empty());
  EXPECT_EQ(doc.prompter.captions.front(), "Converting Font...");
  EXPECT_EQ(doc.last_word_font_index, 22);
}

TEST(ChangeFont, ChosenSourceFontReadsEveryCharacterInIt) {
  FontDocument doc;
  doc.add("70 49 5C 77", kLatin).add("68 59 5B", "Satluj");
  doc.change_font("Quilm2010", "AnmolLipi");
  EXPECT_EQ(doc.runs(), "Quilm2010: 70 49 7A 77 68 59 2E");
}

TEST(ChangeFont, SelectionConvertsOnlyItsWords) {
  struct Case {
    const char* label;
    int start, length;  // positions from 0
    std::string expected;
  };
  // AnmolLipi "pI\w hY[" (0..7), Latin " ok" (8..10), Satluj Punjab (11..15).
  const Case cases[] = {
      {"the first word, selected from the start of the document", 0, 4,
       "Quilm2010: 70 49 7A 77 | AnmolLipi: 20 68 59 5B | Times New Roman: 20 6F 6B | Satluj: EA B3 DC C5 EC"},
      {"the second word and the Latin text", 5, 6,
       "AnmolLipi: 70 49 5C 77 20 | Quilm2010: 68 59 2E | Times New Roman: 20 6F 6B | Satluj: EA B3 DC C5 EC"},
      {"across three fonts", 2, 14,
       "AnmolLipi: 70 49 | Quilm2010: 7A 77 | AnmolLipi: 20 | Quilm2010: 68 59 2E | "
       "Times New Roman: 20 6F 6B | Quilm2010: 70 4D 6A 77 62"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    FontDocument doc;
    doc.add("70 49 5C 77 20 68 59 5B", "AnmolLipi").add("20 6F 6B", kLatin).add("EA B3 DC C5 EC", "Satluj");
    doc.editor.Select(c.start, c.length);
    EXPECT_EQ(doc.change_font("Quilm2010"), FontConversionResult::Converted);
    EXPECT_EQ(doc.runs(), c.expected);
    EXPECT_EQ(doc.prompter.progress_max, c.start + c.length);
    EXPECT_EQ(doc.editor.SelStart(), c.start);
  }
}

TEST(ChangeFont, UnsupportedFontsAreRefusedOrLeftWithAMessage) {
  struct Case {
    const char* label;
    std::string source, destination;
    bool select_all;
    std::string message;
    FontConversionResult result;
    std::string expected;
  };
  const Case cases[] = {
      {"a selection with an index-30 Gurmukhi font changes nothing", "Automatic Detection", "Quilm2010", true,
       "GurmukhiLys 030   NOT Supported at 145", FontConversionResult::Refused,
       "AnmolLipi: 68 59 5B 20 | GurmukhiLys 030: 41 42"},
      {"the whole document converts the rest and leaves that font", "Automatic Detection", "Quilm2010", false,
       "GurmukhiLys 030   NOT Supported", FontConversionResult::Refused,
       "Quilm2010: 68 59 2E 20 | GurmukhiLys 030: 41 42"},
      {"a destination without a writer", "Automatic Detection", "AnmolOutilined", false,
       "AnmolOutilined   NOT Supported", FontConversionResult::Refused,
       "AnmolLipi: 68 59 5B 20 | GurmukhiLys 030: 41 42"},
      {"a chosen source without a reader", "PNB-TTAmar", "Quilm2010", false, "PNB-TTAmar   NOT Supported",
       FontConversionResult::Refused, "AnmolLipi: 68 59 5B 20 | GurmukhiLys 030: 41 42"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    FontDocument doc;
    doc.add("68 59 5B 20", "AnmolLipi").add("41 42", "GurmukhiLys 030");
    if (c.select_all) doc.editor.Select(0, doc.editor.TextLength());
    EXPECT_EQ(doc.change_font(c.destination, c.source), c.result);
    EXPECT_EQ(doc.prompter.messages, std::vector<std::string>{c.message});
    EXPECT_EQ(doc.runs(), c.expected);
    EXPECT_FALSE(doc.editor.LockWindowUpdate());
  }
}

TEST(ChangeFont, PnbTtamarIsWrittenByGurToCdac) {
  FontDocument doc;
  doc.add("EA B3 DC C5 EC 20", "Satluj");
  const Bytes pivot = doc.converter.conversion(hex("EA B3 DC C5 EC 20"), 22, 9, true);
  Bytes cdac;
  ASSERT_TRUE(doc.converter.convert_with("gur_to_cdac", pivot, cdac));
  ASSERT_NE(to_hex(cdac), to_hex(pivot));  // otherwise the test could not tell
  doc.change_font("PNB-TTAmar");
  EXPECT_EQ(doc.runs(), "PNB-TTAmar: " + to_hex(cdac));
}

TEST(ChangeFont, UnicodeDestination) {
  // Already Unicode: nothing happens.
  FontDocument unicode;
  unicode.editor.SetSelText(u"\u0A2A\u0A70\u0A1C\u0A3E\u0A2C");
  const std::u16string before = unicode.editor.Text();
  ASSERT_TRUE(CheckUnicode(unicode.editor));
  unicode.change_font("Unicode");
  EXPECT_EQ(unicode.editor.Text(), before);
  EXPECT_TRUE(unicode.prompter.silent());

  // A Unicode document converted into a font goes through the Unicode import.
  FontDocument into_font;
  into_font.editor.SetSelText(u"\u0A2A\u0A70\u0A1C\u0A3E\u0A2C");
  into_font.change_font("Satluj");
  EXPECT_EQ(into_font.runs(), "Satluj: EA B3 DC C5 EC");

  // A legacy document becomes Unicode Gurmukhi.
  FontDocument legacy;
  legacy.add("EA B3 DC C5 EC", "Satluj");
  legacy.change_font("Unicode");
  EXPECT_EQ(legacy.editor.Text(), u"\u0A2A\u0A70\u0A1C\u0A3E\u0A2C");
}

// What a teacher's worksheet holds: an English heading in Arial, Gurmukhi at
// 16 points, bold and italic words. Conversion into Unicode and back changes
// the Gurmukhi text and its font name, and nothing else of any run.
struct FormattedPiece {
  std::u16string text;
  std::string font;
  int size;
  bool bold, italic, underline;
  Color colour;
};

void add_formatted(Editor& editor, const FormattedPiece& piece) {
  editor.SetSelStart(editor.TextLength());
  FormatChange f;
  f.font_name = piece.font;
  f.font_size = piece.size;
  f.bold = piece.bold;
  f.italic = piece.italic;
  f.underline = piece.underline;
  f.fore_color = piece.colour;
  editor.ApplyFormat(f);
  editor.SetSelText(piece.text);
}

std::vector<FormattedPiece> formatted_runs(const Editor& editor) {
  std::vector<FormattedPiece> out;
  for (const TextRun& run : editor.Runs()) {
    const CharFormat& f = run.format;
    out.push_back({run.text, f.font_name, f.font_size, f.bold, f.italic, f.underline, f.fore_color});
  }
  return out;
}

void PrintTo(const FormattedPiece& p, std::ostream* os) {
  *os << p.font << " " << p.size << (p.bold ? " bold" : "") << (p.italic ? " italic" : "")
      << (p.underline ? " underline" : "") << " colour " << p.colour << " (" << p.text.size() << " chars)";
}

bool operator==(const FormattedPiece& a, const FormattedPiece& b) {
  return a.text == b.text && a.font == b.font && a.size == b.size && a.bold == b.bold && a.italic == b.italic &&
         a.underline == b.underline && a.colour == b.colour;
}

constexpr Color kRed = 0x0000FF;

TEST(ChangeFont, UnicodeAndBackKeepEveryFormatAndLeaveEnglishAlone) {
  // AnmolLipi "siq nwmu" is ਸਤਿ ਨਾਮੁ; "pMjwb" is ਪੰਜਾਬ.
  const std::vector<FormattedPiece> legacy = {
      {u"Class 7 worksheet\r", "Arial", 14, true, false, false, kBlack},
      {u"siq nwmu ", "AnmolLipi", 16, false, false, false, kBlack},
      {u"pMjwb", "AnmolLipi", 16, true, true, true, kRed},
      {u" (Punjab)", "Arial", 11, false, true, false, kBlack},
  };
  const std::vector<FormattedPiece> unicode = {
      legacy[0],
      {u"ਸਤਿ ਨਾਮੁ ", "Raavi", 16, false, false, false, kBlack},
      {u"ਪੰਜਾਬ", "Raavi", 16, true, true, true, kRed},
      legacy[3],
  };
  FontDocument doc;
  for (const FormattedPiece& piece : legacy) add_formatted(doc.editor, piece);

  ASSERT_EQ(doc.change_font("Unicode"), FontConversionResult::Converted);
  EXPECT_EQ(formatted_runs(doc.editor), unicode);

  ASSERT_EQ(doc.change_font("AnmolLipi"), FontConversionResult::Converted);
  EXPECT_EQ(formatted_runs(doc.editor), legacy);
}

TEST(ChangeFont, LatinInsideAUnicodeRunStaysInItsFont) {
  FontDocument doc;
  add_formatted(doc.editor, {u"ਸਤਿ ok ਨਾਮੁ", "Raavi", 18, true, false, false, kBlack});
  ASSERT_EQ(doc.change_font("AnmolLipi"), FontConversionResult::Converted);
  const std::vector<FormattedPiece> expected = {
      {u"siq", "AnmolLipi", 18, true, false, false, kBlack},
      {u" ok ", "Raavi", 18, true, false, false, kBlack},
      {u"nwmu", "AnmolLipi", 18, true, false, false, kBlack},
  };
  EXPECT_EQ(formatted_runs(doc.editor), expected);
}

TEST(ChangeFont, AWholeConversionIsOneUndoStep) {
  const char* destinations[] = {"Unicode", "Quilm2010"};
  for (const char* destination : destinations) {
    SCOPED_TRACE(destination);
    FontDocument doc;
    add_formatted(doc.editor, {u"Title ", "Arial", 14, true, false, false, kBlack});
    add_formatted(doc.editor, {u"siq nwmu pI\\w", "AnmolLipi", 16, false, true, false, kBlack});
    add_formatted(doc.editor, {u" end", "Arial", 12, false, false, false, kBlack});
    const std::vector<FormattedPiece> before = formatted_runs(doc.editor);
    doc.change_font(destination);
    ASSERT_NE(formatted_runs(doc.editor), before);
    doc.editor.Undo();
    EXPECT_EQ(formatted_runs(doc.editor), before);
  }
}

}  // namespace
}  // namespace quilm::test
