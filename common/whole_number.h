// A whole number the user typed into a box that takes digits only: a page
// number, a line number, a font size.
#pragma once

#include <optional>
#include <string_view>

namespace quilm {

// `typed` read as a number from `lowest` to `highest`: digits 0-9 only (no
// sign, no blanks), at most nine of them; nothing for anything else.
std::optional<int> parse_whole_number(std::string_view typed, int lowest, int highest);

}  // namespace quilm
