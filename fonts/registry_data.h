// The font registry's built-in tables, compiled at build time from
// fonts/data/font_names.txt, font_index.txt and font_dropdown.txt.
// Only fonts/registry.cpp reads them; everyone else asks a FontRegistry.
#pragma once

#include <span>
#include <string_view>

#include "fonts/font_index.h"

namespace quilm::registry_data {

int slot_capacity();                               // slots of the font-name table
int slot_count();                                  // its count field
std::span<const std::string_view> filled_slots();  // the filled slots, from slot 0
std::span<const FontEncoding> encodings();         // in lookup order
std::span<const std::string_view> dropdown_omitted();
std::span<const std::string_view> dropdown_added();

}  // namespace quilm::registry_data
