// The Format menu's list and paragraph commands on the in-memory editor.
#include "app/paragraph_commands.h"

#include <gtest/gtest.h>

#include "editors/memory_editor.h"

namespace quilm {
namespace {

class ParagraphCommands : public ::testing::Test {
 protected:
  ParagraphCommands() {
    editor.SetSelText(u"one\rtwo\rthree");
    editor.Select(0, 5);  // "one" and the start of "two"
  }
  ParagraphFormat at_line(int line) {
    editor.SetSelStart(editor.LineStart(line));
    return editor.ParagraphFormatAt();
  }
  MemoryEditor editor;
};

TEST_F(ParagraphCommands, BulletsAndEachNumberingSetListTypeAndFormat) {
  make_bulleted_list(editor);
  EXPECT_EQ(at_line(0).list.type, ListType::Bullets);
  EXPECT_EQ(at_line(1).list.type, ListType::Bullets);
  EXPECT_EQ(at_line(2).list.type, ListType::None);

  const Numbering numberings[] = {Numbering::Arabic, Numbering::UpperLetters, Numbering::LowerLetters,
                                  Numbering::UpperRoman, Numbering::LowerRoman};
  for (const Numbering n : numberings) {
    SCOPED_TRACE(static_cast<int>(n));
    editor.Select(0, 5);
    make_numbered_list(editor, n);
    EXPECT_EQ(static_cast<int>(at_line(1).list.type), 4);
    EXPECT_EQ(at_line(1).list.numbering, n);
  }
  EXPECT_EQ(static_cast<int>(Numbering::UpperLetters), 5);
  EXPECT_EQ(static_cast<int>(Numbering::LowerRoman), 7);
}

TEST_F(ParagraphCommands, LevelsMoveBothIndentsByTheStepAndStopAtLevelOne) {
  make_numbered_list(editor, Numbering::Arabic);
  editor.Select(0, 0);
  change_list_level(editor, +1);
  change_list_level(editor, +1);
  ListFormat list = at_line(0).list;
  EXPECT_EQ(list.level, 3);
  EXPECT_EQ(list.number_indent, 720);
  EXPECT_EQ(list.text_indent, 1080);
  EXPECT_EQ(at_line(1).list.level, 1) << "only the selected paragraph moves";

  editor.Select(0, 0);
  for (int i = 0; i < 4; ++i) change_list_level(editor, -1);
  list = at_line(0).list;
  EXPECT_EQ(list.level, 1);
  EXPECT_EQ(list.number_indent, 0);
  EXPECT_EQ(list.text_indent, 360);

  editor.Select(editor.LineStart(2), 0);
  change_list_level(editor, +1);
  EXPECT_EQ(at_line(2), ParagraphFormat{}) << "a paragraph outside lists has no level";
}

TEST_F(ParagraphCommands, ListAttributesSetStartAndStep) {
  make_numbered_list(editor, Numbering::Arabic);
  ASSERT_TRUE(apply_list_attributes(editor, {"4", "36"}));
  EXPECT_EQ(at_line(0).list.start, 4);
  EXPECT_EQ(at_line(0).list.indent_step(), 720);
  editor.Select(0, 0);
  const ListAttributeEntries shown = list_attribute_entries(editor);
  EXPECT_EQ(shown.start_number, "4");
  EXPECT_EQ(shown.indent_step, "36");
}

TEST_F(ParagraphCommands, ParagraphEntriesApplyAllOrNothing) {
  const ParagraphEntries good{Alignment::Justify, "36", "18", "-9.5", "6", "12", "150"};
  ASSERT_TRUE(apply_paragraph_entries(editor, good));
  ParagraphFormat p = at_line(1);
  EXPECT_EQ(p.alignment, Alignment::Justify);
  EXPECT_EQ(p.left_indent, 720);
  EXPECT_EQ(p.right_indent, 360);
  EXPECT_EQ(p.first_indent, -190);
  EXPECT_EQ(p.space_before, 120);
  EXPECT_EQ(p.space_after, 240);
  EXPECT_EQ(p.line_spacing, 150);
  editor.Select(0, 0);
  const ParagraphEntries shown = paragraph_entries(editor);
  EXPECT_EQ(shown.first_indent, "-9.5");
  EXPECT_EQ(shown.left_indent, "36");

  const struct {
    ParagraphEntries entries;
    const char* named;
  } bad[] = {
      {{Alignment::Left, "abc", "0", "0", "0", "0", "100"}, "left indent"},
      {{Alignment::Left, "0", "0", "0", "-1", "0", "100"}, "spacing before"},
      {{Alignment::Left, "0", "0", "0", "0", "0", "20"}, "line spacing"},
      {{Alignment::Left, "0", "1e9", "0", "0", "0", "100"}, "right indent"},
      {{Alignment::Left, "0", "0", "99999", "0", "0", "100"}, "first line indent"},
  };
  for (const auto& c : bad) {
    SCOPED_TRACE(c.named);
    editor.Select(0, 5);
    editor.SetModified(false);
    const Status s = apply_paragraph_entries(editor, c.entries);
    EXPECT_FALSE(s);
    EXPECT_NE(s.message().find(c.named), std::string::npos) << s.message();
    EXPECT_FALSE(editor.Modified());
    EXPECT_EQ(at_line(0), p);
  }
}

TEST_F(ParagraphCommands, TabStopsAreSortedPointsAndABadOneChangesNothing) {
  ASSERT_TRUE(apply_tab_stops(editor, "72, 36 36 144"));
  EXPECT_EQ(at_line(0).tab_stops, (std::vector<int>{720, 1440, 2880}));
  editor.Select(0, 0);
  EXPECT_EQ(tab_stop_entry(editor), "36 72 144");
  editor.Select(0, 0);
  EXPECT_FALSE(apply_tab_stops(editor, "36 x"));
  EXPECT_FALSE(apply_tab_stops(editor, "-5"));
  EXPECT_EQ(at_line(0).tab_stops, (std::vector<int>{720, 1440, 2880}));
  editor.Select(0, 0);
  ASSERT_TRUE(apply_tab_stops(editor, ""));
  EXPECT_TRUE(at_line(0).tab_stops.empty());
}

TEST_F(ParagraphCommands, FramesTakeStyleWidthAndDistance) {
  ASSERT_TRUE(apply_frame_entries(editor, {2, "1.5", "4"}));
  EXPECT_EQ(at_line(0).frame, (FrameFormat{2, 30, 80}));
  editor.Select(0, 0);
  EXPECT_FALSE(apply_frame_entries(editor, {1, "20", "4"}));
  EXPECT_FALSE(apply_frame_entries(editor, {1, "1", "far"}));
  EXPECT_FALSE(apply_frame_entries(editor, {3, "1", "1"}));
  EXPECT_EQ(at_line(0).frame, (FrameFormat{2, 30, 80}));
}

}  // namespace
}  // namespace quilm
