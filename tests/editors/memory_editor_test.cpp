// The interface tests on the in-memory editor, and what only it does.
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

}  // namespace
}  // namespace quilm::test
