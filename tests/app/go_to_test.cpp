// Go To: the number typed, the target it gives and where the caret lands.
#include <gtest/gtest.h>

#include "app/go_to.h"
#include "editors/memory_editor.h"

namespace quilm {
namespace {

TEST(GoTo, NumbersStartAtOne) {
  EXPECT_EQ(parse_go_to_number("1"), 1);
  EXPECT_EQ(parse_go_to_number("0"), std::nullopt);
  EXPECT_EQ(parse_go_to_number(""), std::nullopt);
}

TEST(GoTo, TargetKeepsToTheDocumentAndSetsTheView) {
  struct Case {
    GoToWhat what;
    int number;
    GoToTarget expected;
  };
  const Case cases[] = {
      {GoToWhat::Line, 3, {1, 3, 0}},   {GoToWhat::Line, 50, {1, 10, 0}},
      {GoToWhat::Page, 2, {2, 1, 2}},   {GoToWhat::Page, 9, {4, 1, 2}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.number);
    EXPECT_EQ(go_to_target(c.what, c.number, 10, 4), c.expected);
  }
}

TEST(GoTo, CaretLandsAtTheStartOfTheLine) {
  MemoryEditor editor;
  editor.SetSelText(u"one\rtwo\rthree");
  editor.SetViewMode(2);
  go_to(editor, go_to_target(GoToWhat::Line, 2, editor.LineCount(), editor.CurrentPages()));
  EXPECT_EQ(editor.SelStart(), 4);
  EXPECT_EQ(editor.ViewMode(), 0);
  go_to(editor, go_to_target(GoToWhat::Line, 99, editor.LineCount(), editor.CurrentPages()));
  EXPECT_EQ(editor.SelStart(), 8) << "past the end: the last line";
  go_to(editor, go_to_target(GoToWhat::Page, 5, editor.LineCount(), editor.CurrentPages()));
  EXPECT_EQ(editor.SelStart(), 0) << "a one-page document: its first position";
  EXPECT_EQ(editor.ViewMode(), 2);
}

}  // namespace
}  // namespace quilm
