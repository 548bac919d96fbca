// The table sort on the in-memory editor's tables.
#include "editors/memory_editor.h"
#include "tests/sort/table_sort_cases.h"

namespace quilm::test {
namespace {

struct MemoryEditorHolder {
  MemoryEditor memory;
  Editor& editor() { return memory; }
};

INSTANTIATE_TYPED_TEST_SUITE_P(Memory, TableSortOnEditor, MemoryEditorHolder);

}  // namespace
}  // namespace quilm::test
