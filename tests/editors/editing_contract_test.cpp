// Text, selection, lines, search, undo, clipboard and state of every Editor.
#include <functional>

#include "tests/editors/editor_contract.h"

namespace quilm::test {
namespace {

void start_with(Editor& e, std::u16string_view text) {
  e.Clear();
  e.SetSelText(std::u16string(text));
}

TEST_P(EditorContract, InsertingReplacesTheSelectionAndLeavesTheCaretAfter) {
  struct Case {
    const char* label;
    std::u16string initial;
    int start, length;
    std::u16string inserted, expected;
    int caret;
  };
  const Case cases[] = {
      {"into an empty document", u"", 0, 0, u"abc", u"abc", 3},
      {"in the middle", u"abcd", 2, 0, u"XY", u"abXYcd", 4},
      {"at the end", u"abcd", 4, 0, u"X", u"abcdX", 5},
      {"over a selection", u"abcd", 1, 2, u"X", u"aXd", 2},
      {"over a paragraph break", u"ab\rcd", 1, 3, u"X", u"aXd", 2},
      {"nothing over a selection", u"abcd", 1, 2, u"", u"ad", 1},
      {"over everything", u"abcd", 0, 4, u"\u0A15\u0A3F", u"\u0A15\u0A3F", 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    start_with(e, c.initial);
    e.Select(c.start, c.length);
    e.SetSelText(c.inserted);
    EXPECT_EQ(e.Text(), c.expected);
    EXPECT_EQ(e.TextLength(), static_cast<int>(c.expected.size()));
    EXPECT_EQ(e.SelStart(), c.caret);
    EXPECT_EQ(e.SelLength(), 0);
  }
}

TEST_P(EditorContract, EveryKindOfLineEndBecomesOneParagraphBreak) {
  struct Case {
    const char* label;
    std::u16string typed, expected;
  };
  const Case cases[] = {
      {"CR LF", u"a\r\nb", u"a\rb"},
      {"LF", u"a\nb", u"a\rb"},
      {"CR", u"a\rb", u"a\rb"},
      {"paragraph separator", u"a\u2029b", u"a\rb"},
      {"two CR LF make an empty paragraph", u"a\r\n\r\nb", u"a\r\rb"},
      {"LF CR is two breaks", u"a\n\rb", u"a\r\rb"},
      {"a break alone", u"\n", u"\r"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    start_with(e, c.typed);
    EXPECT_EQ(e.Text(), c.expected);
    EXPECT_EQ(e.SelStart(), static_cast<int>(c.expected.size()));
  }
}

TEST_P(EditorContract, SelectionStaysInsideTheText) {
  struct Case {
    const char* label;
    int start, length;
    int expected_start, expected_length;
    std::u16string selected;
  };
  const Case cases[] = {
      {"inside", 1, 2, 1, 2, u"bc"},
      {"across a paragraph break", 2, 3, 2, 3, u"c\rd"},
      {"start before the text", -5, 2, 0, 2, u"ab"},
      {"start past the end", 99, 2, 6, 0, u""},
      {"length past the end", 4, 99, 4, 2, u"de"},
      {"negative length", 3, -2, 3, 0, u""},
  };
  start_with(e, u"abc\rde");
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    e.Select(c.start, c.length);
    EXPECT_EQ(e.SelStart(), c.expected_start);
    EXPECT_EQ(e.SelLength(), c.expected_length);
    EXPECT_EQ(e.SelText(), c.selected);
    EXPECT_EQ(e.CanCopy(), c.expected_length > 0);
  }
  e.Select(1, 3);
  e.SetSelStart(2);
  EXPECT_EQ(e.SelLength(), 0) << "moving the caret drops the selection";
}

TEST_P(EditorContract, LinesAreParagraphs) {
  start_with(e, u"one\rtwo\r\rfour");
  EXPECT_EQ(e.LineCount(), 4);
  const std::pair<int, int> starts[] = {{0, 0}, {1, 4}, {2, 8}, {3, 9}, {4, -1}, {-1, -1}};
  for (const auto& [line, start] : starts) {
    SCOPED_TRACE("line " + std::to_string(line));
    EXPECT_EQ(e.LineStart(line), start);
  }
  struct Case {
    const char* label;
    int position, line;
  };
  const Case cases[] = {
      {"start", 0, 0},
      {"the break ends its line", 3, 0},
      {"after the break", 4, 1},
      {"empty line", 8, 2},
      {"last line", 9, 3},
      {"end of the text", 13, 3},
      {"past the end", 99, 3},
      {"before the start", -1, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    EXPECT_EQ(e.LineOfPosition(c.position), c.line);
  }
}

TEST_P(EditorContract, AnEmptyDocumentHasOneLine) {
  EXPECT_EQ(e.LineCount(), 1);
  EXPECT_EQ(e.LineStart(0), 0);
  EXPECT_EQ(e.LineOfPosition(0), 0);
  EXPECT_EQ(e.Text(), u"");
  EXPECT_TRUE(e.Runs().empty());
}

TEST_P(EditorContract, FindsTheFirstPlaceAtOrAfterAPosition) {
  struct Case {
    const char* label;
    std::u16string needle;
    int from;
    bool match_case;
    int expected;
  };
  const Case cases[] = {
      {"exact case", u"gur", 0, true, 4},
      {"from a later position", u"gur", 5, true, 12},
      {"at the position itself", u"gur", 4, true, 4},
      {"any case", u"Gur", 1, false, 4},
      {"capitals in any case", u"GUR", 9, false, 12},
      {"across a paragraph break", u"R\rg", 0, true, 10},
      {"not there", u"xyz", 0, true, -1},
      {"only in another case", u"gUr", 0, true, -1},
      {"empty needle", u"", 0, true, -1},
      {"from before the start", u"Gur", -3, true, 0},
      {"from past the end", u"gur", 99, true, -1},
      {"Gurmukhi", u"\u0A15\u0A3E", 0, true, 16},
      {"Latin-1 letters in any case", u"\u00E0B", 0, false, 19},
      {"Latin-1 letters in exact case", u"\u00E0B", 0, true, -1},
  };
  start_with(e, u"Gur gur GUR\rgur \u0A15\u0A3E \u00C0b");
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    EXPECT_EQ(e.Find(c.needle, c.from, c.match_case), c.expected);
  }
}

// What undo must give back: the text, its formats and the alignments.
struct Snapshot {
  std::vector<TextRun> runs;
  std::vector<Alignment> alignments;
  bool operator==(const Snapshot&) const = default;
};

Snapshot snapshot(Editor& e) {
  const int start = e.SelStart(), length = e.SelLength();
  Snapshot s{e.Runs(), paragraph_alignments(e)};
  e.Select(start, length);
  return s;
}

TEST_P(EditorContract, UndoGivesBackEachChangeAndRedoMakesItAgain) {
  struct Step {
    const char* label;
    std::function<void(Editor&)> change;
  };
  const Step steps[] = {
      {"type", [](Editor& e) { type(e, u"abcdef", font("A")); }},
      {"replace", [](Editor& e) { e.Select(1, 2); e.SetSelText(u"X"); }},
      {"format", [](Editor& e) { e.Select(0, 3); e.SetFontBold(true); }},
      {"split a paragraph", [](Editor& e) { e.SetSelStart(2); e.SetSelText(u"\r"); }},
      {"align", [](Editor& e) { e.SetSelStart(4); e.SetParagraphAlignment(Alignment::Center); }},
      {"join the paragraphs", [](Editor& e) { e.Select(1, 3); e.SetSelText(u""); }},
  };
  std::vector<Snapshot> states{snapshot(e)};
  for (const Step& step : steps) {
    step.change(e);
    states.push_back(snapshot(e));
  }
  for (std::size_t i = states.size() - 1; i > 0; --i) {
    SCOPED_TRACE(std::string("undo ") + steps[i - 1].label);
    ASSERT_TRUE(e.CanUndo());
    e.Undo();
    EXPECT_EQ(snapshot(e), states[i - 1]);
  }
  EXPECT_FALSE(e.CanUndo());
  for (std::size_t i = 1; i < states.size(); ++i) {
    SCOPED_TRACE(std::string("redo ") + steps[i - 1].label);
    ASSERT_TRUE(e.CanRedo());
    e.Redo();
    EXPECT_EQ(snapshot(e), states[i]);
  }
  EXPECT_FALSE(e.CanRedo());
}

// A whole font conversion is many replacements and format changes; the user
// undoes it with one Undo and makes it again with one Redo.
TEST_P(EditorContract, AnEditGroupIsOneUndoStep) {
  type(e, u"abc def", font("A"));
  const Snapshot before = snapshot(e);
  {
    EditGroup outer(e);
    e.Select(0, 3);
    e.SetSelText(u"XY");
    {
      EditGroup inner(e);  // groups nest: still the same step
      e.Select(3, 3);
      e.SetFontBold(true);
    }
    e.SetSelStart(0);
    e.SetSelText(u"\r");
  }
  const Snapshot after = snapshot(e);
  e.SetSelStart(1);
  e.SetSelText(u"z");  // a change of its own after the group

  e.Undo();
  EXPECT_EQ(snapshot(e), after);
  e.Undo();
  EXPECT_EQ(snapshot(e), before);
  e.Redo();
  EXPECT_EQ(snapshot(e), after);
}

TEST_P(EditorContract, AChangeAfterUndoLeavesNothingToRedo) {
  e.SetSelText(u"ab");
  e.Undo();
  ASSERT_TRUE(e.CanRedo());
  e.SetSelText(u"c");
  EXPECT_FALSE(e.CanRedo());
  EXPECT_EQ(e.Text(), u"c");
}

TEST_P(EditorContract, CutCopyPasteAndDelete) {
  start_with(e, u"abcdef");
  e.Select(1, 2);
  e.Clip(2);  // copy
  EXPECT_EQ(e.Text(), u"abcdef");
  EXPECT_TRUE(e.CanPaste());
  e.SetSelStart(6);
  e.Clip(3);  // paste
  EXPECT_EQ(e.Text(), u"abcdefbc");
  EXPECT_EQ(e.SelStart(), 8);

  e.Select(0, 1);
  e.Clip(1);  // cut
  EXPECT_EQ(e.Text(), u"bcdefbc");
  e.Select(2, 3);
  e.Clip(3);  // paste over a selection
  EXPECT_EQ(e.Text(), u"bcabc");

  e.Select(0, 2);
  e.Clip(4);  // delete leaves the clipboard alone
  EXPECT_EQ(e.Text(), u"abc");
  e.SetSelStart(3);
  e.Clip(3);
  EXPECT_EQ(e.Text(), u"abca");
}

TEST_P(EditorContract, PastedTextKeepsItsFormat) {
  type(e, u"ab", font("A"));
  type(e, u"cd", font("B", 20));
  e.Select(1, 2);
  e.Clip(2);
  e.SetSelStart(0);
  e.Clip(3);
  const std::vector<CharFormat> formats = formats_per_character(e.Runs());
  ASSERT_EQ(e.Text(), u"bcabcd");
  EXPECT_EQ(formats[0], font("A"));
  EXPECT_EQ(formats[1], font("B", 20));
}

TEST_P(EditorContract, EveryChangeMarksTheDocumentModified) {
  struct Case {
    const char* label;
    std::function<void(Editor&)> change;
  };
  const Case cases[] = {
      {"typing", [](Editor& e) { e.SetSelText(u"x"); }},
      {"deleting", [](Editor& e) { e.Select(0, 1); e.Clip(4); }},
      {"cutting", [](Editor& e) { e.Select(0, 1); e.Clip(1); }},
      {"a format", [](Editor& e) { e.Select(0, 2); e.SetFontItalic(true); }},
      {"an alignment", [](Editor& e) { e.SetParagraphAlignment(Alignment::Right); }},
      {"undo", [](Editor& e) { e.Undo(); }},
      {"undo back to the text as it was", [](Editor& e) { e.SetSelText(u"x"); e.Undo(); }},
      {"loading from memory", [](Editor& e) { (void)e.LoadFromMemory("new", FormatCode::PlainText); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    start_with(e, u"abc");
    e.SetModified(false);
    c.change(e);
    EXPECT_TRUE(e.Modified());
  }
}

TEST_P(EditorContract, ReadingAndMovingTheCaretChangeNothing) {
  start_with(e, u"abc\rdef");
  e.SetModified(false);
  e.Select(1, 4);
  (void)e.SelText();
  (void)e.Runs();
  (void)e.Format();
  (void)e.Find(u"d", 0);
  Bytes bytes;
  (void)e.SaveToMemory(FormatCode::Unicode, bytes);
  e.Clip(2);
  e.SetFormatSelection(false);
  e.SetFontBold(true);  // waits for typed text
  EXPECT_FALSE(e.Modified());
}

TEST_P(EditorContract, ClearStartsAFreshDocument) {
  type(e, u"abc\rdef", font("A", 20));
  e.SetParagraphAlignment(Alignment::Right);
  e.Clear();
  EXPECT_EQ(e.Text(), u"");
  EXPECT_EQ(e.TextLength(), 0);
  EXPECT_EQ(e.LineCount(), 1);
  EXPECT_EQ(e.Format(), CharFormat{});
  EXPECT_EQ(e.ParagraphAlignment(), Alignment::Left);
  EXPECT_FALSE(e.Modified());
  EXPECT_FALSE(e.CanUndo());
}

TEST_P(EditorContract, KeepsViewPageAndDocumentValues) {
  EXPECT_EQ(e.ViewMode(), 0);
  EXPECT_EQ(e.ZoomFactor(), 100);
  e.SetViewMode(2);
  e.SetViewMode(5);  // no such view
  EXPECT_EQ(e.ViewMode(), 2);

  const std::pair<int, int> zooms[] = {{150, 150}, {25, 25}, {1000, Editor::kMaxZoom}, {0, Editor::kMinZoom}};
  for (const auto& [set, kept] : zooms) {
    SCOPED_TRACE("zoom " + std::to_string(set));
    e.SetZoomFactor(set);
    EXPECT_EQ(e.ZoomFactor(), kept);
  }

  e.SetLockWindowUpdate(true);
  EXPECT_TRUE(e.LockWindowUpdate());
  e.SetLockWindowUpdate(false);
  EXPECT_FALSE(e.LockWindowUpdate());

  const Editor::PageLayout letter{12240, 15840, 720, 1080, 720, 1080};
  e.SetPage(letter);
  EXPECT_EQ(e.Page(), letter);
  EXPECT_GE(e.CurrentPages(), 1);

  for (int i = 0; i < Editor::kDocumentValues; ++i) e.SetDocumentValue(i, 100 + i);
  e.SetDocumentValue(Editor::kDocumentValues, 7);  // no such value
  for (int i = 0; i < Editor::kDocumentValues; ++i) EXPECT_EQ(e.DocumentValue(i), 100 + i);
  EXPECT_EQ(e.DocumentValue(-1), 0);
  EXPECT_EQ(e.DocumentValue(Editor::kDocumentValues), 0);
}

}  // namespace
}  // namespace quilm::test
