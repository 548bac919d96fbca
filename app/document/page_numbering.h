// Page numbers printed in the header or footer of every page: where they go,
// how they are aligned and the number of the first page. The printing code
// asks this for the text and the place of each page's number.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "editor/editor.h"

namespace quilm {

// PageNumbering itself is part of the document (editor/editor.h).

inline constexpr int kLargestFirstPageNumber = 9999;

// The number printed on the page `page_index` (from 0) of the printout,
// empty when no numbers are printed.
std::string page_number_text(const PageNumbering& numbering, int page_index);

// The first page number the user typed: digits only, 0 to
// kLargestFirstPageNumber; nothing for anything else.
std::optional<int> parse_first_page_number(std::string_view typed);

// Page layouts turned a quarter: width and height swap, and the margins move
// round with the paper (left becomes top for a turn to landscape).
bool is_landscape(const Editor::PageLayout& page);
Editor::PageLayout with_orientation(const Editor::PageLayout& page, bool landscape);

}  // namespace quilm
