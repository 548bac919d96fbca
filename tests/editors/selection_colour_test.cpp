// The colour a colour choice starts from, over a document of three coloured
// stretches.
#include <gtest/gtest.h>

#include "editor/selection_colour.h"
#include "editors/memory_editor.h"

namespace quilm {
namespace {

constexpr Color kRed = 0xFF0000, kBlue = 0x0000FF, kYellow = 0xFFFF00;

TEST(SelectionColour, UniformSelectionGivesItsColourMixedGivesBlack) {
  MemoryEditor editor;
  editor.SetSelText(u"aaa");
  editor.Select(0, 3);
  editor.SetForeColor(kRed);
  editor.SetTextBkColor(kYellow);
  editor.SetSelStart(3);
  editor.SetSelText(u"bbb");
  editor.Select(3, 3);
  editor.SetForeColor(kBlue);
  editor.SetTextBkColor(kYellow);
  const struct {
    int start, length;
    Color text, background;
  } cases[] = {
      {0, 3, kRed, kYellow},     // within the red stretch
      {1, 1, kRed, kYellow},     // one character
      {3, 3, kBlue, kYellow},    // the blue stretch
      {2, 2, kBlack, kYellow},   // across red and blue: mixed text colour
      {0, 6, kBlack, kYellow},
      {5, 0, kBlue, kYellow},    // no selection: the colour at the caret
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.start << "+" << c.length);
    editor.Select(c.start, c.length);
    EXPECT_EQ(selection_colour(editor, ColourKind::Text), c.text);
    EXPECT_EQ(selection_colour(editor, ColourKind::Background), c.background);
  }
}

}  // namespace
}  // namespace quilm
