// Character formats, runs and paragraph alignment of every Editor.
#include "tests/editors/editor_contract.h"

namespace quilm::test {
namespace {

const CharFormat kA = font("AnmolLipi", 14);
const CharFormat kB = font("GurbaniAkhar", 16);
const CharFormat kC = font("Arial", 10);

TEST_P(EditorContract, TypedTextOfOneFormatJoinsOneRun) {
  type(e, u"ab", kA);
  type(e, u"cd", kA);
  type(e, u"ef", kB);
  type(e, u"\rg", kB);
  const std::vector<TextRun> expected = {{u"abcd", kA}, {u"ef\rg", kB}};
  EXPECT_EQ(e.Runs(), expected);
}

// "aaabbb" + break + "ccc" + break + break, each part in its own format.
void type_three_paragraphs(Editor& e) {
  type(e, u"aaa", kA);
  type(e, u"bbb\r", kB);
  type(e, u"ccc\r", kC);
  type(e, u"\r", kA);
}

TEST_P(EditorContract, TheCaretTakesTheFormatBeforeItOrAtAParagraphStartAfterIt) {
  struct Case {
    const char* label;
    int caret;
    CharFormat expected;
  };
  const Case cases[] = {
      {"start of the document", 0, kA},
      {"inside a run", 2, kA},
      {"end of a run", 3, kA},
      {"inside the next run", 4, kB},
      {"before a paragraph break", 6, kB},
      {"start of a paragraph", 7, kC},
      {"end of a paragraph", 10, kC},
      {"empty paragraph after a break", 11, kC},
      {"last empty paragraph", 12, kA},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    e.Clear();
    type_three_paragraphs(e);
    e.SetSelStart(c.caret);
    EXPECT_EQ(e.Format(), c.expected);
    e.SetSelText(u"x");
    e.Select(c.caret, 1);
    EXPECT_EQ(e.Format(), c.expected) << "typed text";
  }
}

TEST_P(EditorContract, ASelectionHasTheFormatOfItsFirstCharacterAndPassesItOn) {
  type(e, u"aaa", kA);
  type(e, u"bbb", kB);
  e.Select(2, 3);
  EXPECT_EQ(e.Format(), kA);
  e.SetSelText(u"X");
  EXPECT_EQ(e.Text(), u"aaXb");
  const std::vector<TextRun> expected = {{u"aaX", kA}, {u"b", kB}};
  EXPECT_EQ(e.Runs(), expected);
}

void type_mixed_document(Editor& e) {
  CharFormat bold = kA;
  bold.bold = true;
  CharFormat coloured = kB;
  coloured.italic = true;
  coloured.fore_color = 0xC00000;
  coloured.back_color = 0xFFFF00;
  CharFormat marked = kC;
  marked.underline = marked.strikethru = true;
  type(e, u"aaa", bold);
  type(e, u"bb\rb", coloured);
  type(e, u"ccc", marked);
  type(e, u"\r\rd", kA);
}

TEST_P(EditorContract, RunsReadTheSameAsSelectingEveryCharacter) {
  type_mixed_document(e);
  e.Select(2, 5);
  e.SetFontSize(30);
  const std::vector<TextRun> runs = e.Runs();
  const std::u16string text = e.Text();
  std::u16string run_text;
  for (std::size_t i = 0; i < runs.size(); ++i) {
    run_text += runs[i].text;
    EXPECT_FALSE(runs[i].text.empty());
    if (i > 0) {
      EXPECT_NE(runs[i].format, runs[i - 1].format) << "neighbouring runs of one format at " << i;
    }
  }
  EXPECT_EQ(run_text, text);
  const std::vector<CharFormat> formats = formats_per_character(runs);
  for (int i = 0; i < e.TextLength(); ++i) {
    SCOPED_TRACE("character " + std::to_string(i));
    e.Select(i, 1);
    EXPECT_EQ(e.SelText(), text.substr(i, 1));
    EXPECT_EQ(e.Format(), formats[i]);
  }
}

template <typename Set>
FormatChange changing(Set set) {
  FormatChange change;
  set(change);
  return change;
}

TEST_P(EditorContract, AFormatChangeOfAMixedSelectionChangesOnlyItsAttribute) {
  struct Case {
    const char* label;
    FormatChange change;
  };
  const Case cases[] = {
      {"font name", changing([](FormatChange& c) { c.font_name = "Quilm2010"; })},
      {"font size", changing([](FormatChange& c) { c.font_size = 22; })},
      {"bold", changing([](FormatChange& c) { c.bold = true; })},
      {"not italic", changing([](FormatChange& c) { c.italic = false; })},
      {"underline", changing([](FormatChange& c) { c.underline = true; })},
      {"not strikethru", changing([](FormatChange& c) { c.strikethru = false; })},
      {"fore colour", changing([](FormatChange& c) { c.fore_color = 0x0000FF; })},
      {"back colour", changing([](FormatChange& c) { c.back_color = 0x00FF00; })},
  };
  const int from = 1, to = 9;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    e.Clear();
    type_mixed_document(e);
    std::vector<CharFormat> expected = formats_per_character(e.Runs());
    for (int i = from; i < to; ++i) c.change.apply_to(expected[i]);
    e.Select(from, to - from);
    e.ApplyFormat(c.change);
    EXPECT_EQ(formats_per_character(e.Runs()), expected);
    EXPECT_EQ(e.SelStart(), from);
    EXPECT_EQ(e.SelLength(), to - from);
  }
}

TEST_P(EditorContract, WithoutFormatSelectionAChangeWaitsForTypedText) {
  type(e, u"abc", kA);
  e.SetFormatSelection(false);
  e.Select(0, 2);
  e.SetFontName("Quilm");
  EXPECT_EQ(e.Runs(), (std::vector<TextRun>{{u"abc", kA}}));
  EXPECT_EQ(e.FontName(), "Quilm");
  e.SetSelText(u"X");
  CharFormat quilm = kA;
  quilm.font_name = "Quilm";
  EXPECT_EQ(e.Runs(), (std::vector<TextRun>{{u"X", quilm}, {u"c", kA}}));
}

TEST_P(EditorContract, AChangeAtTheCaretHoldsUntilTheCaretMoves) {
  type(e, u"abc", kA);
  e.SetFontBold(true);
  EXPECT_TRUE(e.FontBold());
  e.SetSelStart(1);
  e.SetSelStart(3);
  EXPECT_FALSE(e.FontBold()) << "the caret moved";
  e.SetFontBold(true);
  e.SetSelText(u"d");
  CharFormat bold = kA;
  bold.bold = true;
  EXPECT_EQ(e.Runs(), (std::vector<TextRun>{{u"abc", kA}, {u"d", bold}}));
}

TEST_P(EditorContract, AlignmentBelongsToEachParagraphTheSelectionTouches) {
  e.SetSelText(u"one\rtwo\rthree\rfour");
  e.Select(5, 5);  // from "two" into "three"
  e.SetParagraphAlignment(Alignment::Right);
  EXPECT_EQ(e.ParagraphAlignment(), Alignment::Right);
  e.SetSelStart(e.LineStart(3));
  e.SetParagraphAlignment(Alignment::Justify);
  const std::vector<Alignment> expected = {Alignment::Left, Alignment::Right, Alignment::Right, Alignment::Justify};
  EXPECT_EQ(paragraph_alignments(e), expected);
}

TEST_P(EditorContract, JoinedAndSplitParagraphsKeepAnAlignmentOfTheirOwn) {
  using A = Alignment;
  struct Case {
    const char* label;
    int start, length;
    std::u16string inserted, text;
    std::vector<Alignment> alignments;
  };
  const Case cases[] = {
      {"joining keeps the first paragraph's", 1, 3, u"", u"ab\rcc", {A::Left, A::Center}},
      {"removing a paragraph from its start keeps the next", 0, 3, u"", u"bb\rcc", {A::Right, A::Center}},
      {"removing a middle paragraph", 3, 3, u"", u"aa\rcc", {A::Left, A::Center}},
      {"joining three", 2, 4, u"", u"aacc", {A::Left}},
      {"removing everything keeps the last", 0, 8, u"", u"", {A::Center}},
      {"a split paragraph keeps it on both sides", 4, 0, u"X\rY", u"aa\rbX\rYb\rcc", {A::Left, A::Right, A::Right, A::Center}},
      {"a break at a paragraph start", 3, 0, u"\r", u"aa\r\rbb\rcc", {A::Left, A::Right, A::Right, A::Center}},
      {"replacing from a paragraph start", 0, 5, u"X\rY", u"X\rY\rcc", {A::Right, A::Right, A::Center}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    e.Clear();
    e.SetSelText(u"aa\rbb\rcc");
    const A aligned[] = {A::Left, A::Right, A::Center};
    for (int line = 0; line < 3; ++line) {
      e.SetSelStart(e.LineStart(line));
      e.SetParagraphAlignment(aligned[line]);
    }
    e.Select(c.start, c.length);
    e.SetSelText(c.inserted);
    EXPECT_EQ(e.Text(), c.text);
    EXPECT_EQ(paragraph_alignments(e), c.alignments);
  }
}

}  // namespace
}  // namespace quilm::test
