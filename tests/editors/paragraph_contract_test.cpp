// Paragraph formats beyond the alignment: lists, indents, spacing, tab stops
// and frames belong to each paragraph, are undone as one step and survive the
// program's own file format.
#include <gtest/gtest.h>

#include "editor/editor.h"
#include "editor_contract.h"

namespace quilm::test {
namespace {

ParagraphFormat numbered_indented() {
  ParagraphFormat p(Alignment::Center);
  p.left_indent = 720;
  p.right_indent = 360;
  p.first_indent = -180;
  p.space_before = 120;
  p.space_after = 240;
  p.line_spacing = 150;
  p.tab_stops = {720, 2160};
  p.list = {ListType::Numbered, Numbering::UpperRoman, 2, 5, 360, 720};
  p.frame = {1, 30, 100};
  return p;
}

std::vector<ParagraphFormat> paragraph_formats(Editor& editor) {
  std::vector<ParagraphFormat> out;
  for (int line = 0; line < editor.LineCount(); ++line) {
    editor.SetSelStart(editor.LineStart(line));
    out.push_back(editor.ParagraphFormatAt());
  }
  return out;
}

TEST_P(EditorContract, AParagraphChangeReachesEveryParagraphTheSelectionTouchesAndUndoesAsOneStep) {
  type(e, u"one\rtwo\rthree", font("Arial"));
  e.Select(1, 4);  // from "one" into "two"
  const ParagraphFormat wanted = numbered_indented();
  e.ChangeParagraphs([&](ParagraphFormat& p) { p = wanted; });
  EXPECT_EQ(paragraph_formats(e), (std::vector<ParagraphFormat>{wanted, wanted, ParagraphFormat{}}));
  EXPECT_TRUE(e.Modified());

  e.Undo();
  EXPECT_EQ(paragraph_formats(e), std::vector<ParagraphFormat>(3));
  EXPECT_EQ(e.Text(), u"one\rtwo\rthree");
}

TEST_P(EditorContract, AnAlignmentChangeKeepsTheRestOfTheParagraphFormat) {
  type(e, u"item", font("Arial"));
  e.ChangeParagraphs([](ParagraphFormat& p) { p.list.type = ListType::Bullets; });
  e.SetParagraphAlignment(Alignment::Right);
  EXPECT_EQ(e.ParagraphFormatAt().list.type, ListType::Bullets);
  EXPECT_EQ(e.ParagraphFormatAt().alignment, Alignment::Right);
}

TEST_P(EditorContract, ParagraphFormatsSurviveTheProgramsOwnFormat) {
  for (const FormatCode format : {FormatCode::Pbi, FormatCode::Xml}) {
    SCOPED_TRACE(static_cast<int>(format));
    auto source = make_editor();
    type(*source, u"first\rsecond\rthird", font("Arial"));
    source->Select(6, 0);
    source->ChangeParagraphs([](ParagraphFormat& p) { p = numbered_indented(); });
    Bytes bytes;
    ASSERT_TRUE(source->SaveToMemory(format, bytes));

    auto copy = make_editor();
    ASSERT_TRUE(copy->LoadFromMemory(bytes, format));
    EXPECT_EQ(paragraph_formats(*copy), paragraph_formats(*source));
    EXPECT_EQ(paragraph_formats(*copy)[1], numbered_indented());
  }
}

}  // namespace
}  // namespace quilm::test
