// The Table menu's commands on the in-memory editor, and the reading of the
// table attribute dialog's numbers.
#include "tests/app/table_commands_cases.h"

#include "editors/memory_editor.h"

namespace quilm::test {
namespace {

struct MemoryHolder {
  MemoryEditor e;
  Editor& editor() { return e; }
};
INSTANTIATE_TYPED_TEST_SUITE_P(Memory, TableCommandsOnEditor, MemoryHolder);

TEST(TableAttributeTexts, WholeNumbersInRangeAreTakenAndAnythingElseChangesNothing) {
  const TableAttributes original;
  const struct {
    const char* label;
    TableAttributeTexts texts;
    bool ok;
    const char* named;
  } cases[] = {
      {"all good", {"0", "4", "2", "100"}, true, ""},
      {"a word", {"one", "4", "2", "50"}, false, "Border width"},
      {"negative", {"1", "-1", "2", "50"}, false, "Cell padding"},
      {"too wide", {"1", "4", "2", "101"}, false, "Width"},
      {"empty", {"1", "4", "", "50"}, false, "Cell spacing"},
      {"trailing text", {"1", "4", "2", "50%"}, false, "Width"},
      {"too thick", {"21", "4", "2", "50"}, false, "Border width"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    TableAttributes a = original;
    const Status read = read_table_attributes(c.texts, a);
    EXPECT_EQ(read.ok(), c.ok);
    if (c.ok) {
      EXPECT_EQ(a.border_width, 0);
      EXPECT_EQ(a.cell_padding, 4);
      EXPECT_EQ(a.cell_spacing, 2);
      EXPECT_EQ(a.width_percent, 100);
    } else {
      EXPECT_EQ(a, original);
      EXPECT_NE(read.message().find(c.named), std::string::npos) << read.message();
    }
  }
}

}  // namespace
}  // namespace quilm::test
