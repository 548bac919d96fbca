// The interface tests on the in-memory editor, and what only it does.
#include "editor/update_lock.h"
#include "editors/memory_editor.h"
#include "tests/editors/editor_contract.h"

namespace quilm::test {
namespace {

INSTANTIATE_TEST_SUITE_P(Memory, EditorContract,
                         ::testing::Values(EditorMaker{"MemoryEditor", [] { return std::make_unique<MemoryEditor>(); }}),
                         maker_name);

TEST(MemoryEditor, EditorsSharingAClipboardPasteIntoEachOther) {
  const auto clipboard = std::make_shared<MemoryClipboard>();
  MemoryEditor main(clipboard), scratch(clipboard), apart;
  type(scratch, u"ab", font("A"));
  scratch.Select(0, 2);
  scratch.Clip(2);
  main.Clip(3);
  EXPECT_EQ(main.Runs(), scratch.Runs());
  EXPECT_FALSE(apart.CanPaste());
}

// A whole conversion in one change: the paragraphs keep their alignments,
// one undo brings the document back, and runs with another number of
// paragraph breaks are refused without a change.
TEST(MemoryEditor, ReplacesRunsInOneChange) {
  MemoryEditor editor;
  type(editor, u"ab\rcd", font("A"));
  editor.SetSelStart(4);
  editor.SetParagraphAlignment(Alignment::Center);
  const std::vector<TextRun> before = editor.Runs();

  EXPECT_FALSE(editor.ReplaceRuns(1, 3, {{u"xy", font("B")}}));
  EXPECT_EQ(editor.Runs(), before);

  ASSERT_TRUE(editor.ReplaceRuns(1, 3, {{u"x", font("B")}, {u"\r", font("A")}, {u"y", font("B")}}));
  const std::vector<TextRun> after = {{u"a", font("A")}, {u"x", font("B")}, {u"\r", font("A")},
                                      {u"y", font("B")}, {u"d", font("A")}};
  EXPECT_EQ(editor.Runs(), after);
  EXPECT_EQ(editor.SelStart(), 4);
  EXPECT_EQ(editor.ParagraphAlignment(), Alignment::Center);
  editor.Undo();
  EXPECT_EQ(editor.Runs(), before);
}

TEST(MemoryEditor, AnUpdateLockGivesTheLockBackAsItWasHoweverItsScopeEnds) {
  for (const bool before : {false, true}) {
    SCOPED_TRACE(before);
    MemoryEditor editor;
    editor.SetLockWindowUpdate(before);
    {
      const UpdateLock lock(editor);
      EXPECT_TRUE(editor.LockWindowUpdate());
    }
    EXPECT_EQ(editor.LockWindowUpdate(), before);
    try {
      const UpdateLock lock(editor);
      throw std::runtime_error("a long edit failed");
    } catch (const std::runtime_error&) {
    }
    EXPECT_EQ(editor.LockWindowUpdate(), before);
  }
}

}  // namespace
}  // namespace quilm::test
