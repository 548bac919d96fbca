#include "app/document/page_numbering.h"

#include "common/whole_number.h"

namespace quilm {

std::string page_number_text(const PageNumbering& numbering, int page_index) {
  if (numbering.place == PageNumberPlace::None || page_index < 0) return {};
  return std::to_string(numbering.first_number + page_index);
}

std::optional<int> parse_first_page_number(std::string_view typed) {
  return parse_whole_number(typed, 0, kLargestFirstPageNumber);
}

bool is_landscape(const Editor::PageLayout& page) { return page.width > page.height; }

Editor::PageLayout with_orientation(const Editor::PageLayout& page, bool landscape) {
  if (is_landscape(page) == landscape) return page;
  Editor::PageLayout turned = page;
  turned.width = page.height;
  turned.height = page.width;
  if (landscape) {  // turned anticlockwise: the old left edge is the new bottom
    turned.margin_top = page.margin_right;
    turned.margin_left = page.margin_top;
    turned.margin_bottom = page.margin_left;
    turned.margin_right = page.margin_bottom;
  } else {  // back again
    turned.margin_right = page.margin_top;
    turned.margin_top = page.margin_left;
    turned.margin_left = page.margin_bottom;
    turned.margin_bottom = page.margin_right;
  }
  return turned;
}

}  // namespace quilm
