// Accessors over the generated tables; the data itself is in the build tree
// (fonts/registry_tables.inc, made by quilm-tablegen).
#include "fonts/registry_data.h"

#include <array>

namespace quilm::registry_data {

#include "fonts/registry_tables.inc"

int slot_capacity() { return kSlotCapacity; }
int slot_count() { return kSlotCount; }
std::span<const std::string_view> filled_slots() { return kFilledSlots; }
std::span<const FontEncoding> encodings() { return kEncodings; }
std::span<const std::string_view> dropdown_omitted() { return kDropdownOmitted; }
std::span<const std::string_view> dropdown_added() { return kDropdownAdded; }

}  // namespace quilm::registry_data
