// Page numbers of a printout and the turning of a page layout.
#include <gtest/gtest.h>

#include "app/document/page_numbering.h"

namespace quilm {
namespace {

TEST(PageNumbering, EachPageCountsOnFromTheFirstNumber) {
  const PageNumbering from_five{PageNumberPlace::Footer, Alignment::Right, 5};
  EXPECT_EQ(page_number_text(from_five, 0), "5");
  EXPECT_EQ(page_number_text(from_five, 2), "7");
  const PageNumbering from_zero{PageNumberPlace::Header, Alignment::Left, 0};
  EXPECT_EQ(page_number_text(from_zero, 0), "0");
  EXPECT_EQ(page_number_text(PageNumbering{}, 3), "") << "no numbers unless a place is chosen";
}

TEST(PageNumbering, FirstNumberRunsFromZeroTo9999) {
  EXPECT_EQ(parse_first_page_number("0"), 0);
  EXPECT_EQ(parse_first_page_number("9999"), 9999);
  EXPECT_EQ(parse_first_page_number("10000"), std::nullopt);
}

TEST(PageOrientation, TurningSwapsTheSidesAndTurnsTheMarginsBack) {
  const Editor::PageLayout portrait{11906, 16838, 100, 200, 300, 400};
  ASSERT_FALSE(is_landscape(portrait));
  const Editor::PageLayout landscape = with_orientation(portrait, true);
  EXPECT_TRUE(is_landscape(landscape));
  EXPECT_EQ(landscape.width, 16838);
  EXPECT_EQ(landscape.height, 11906);
  EXPECT_EQ(landscape.margin_left + landscape.margin_right, 600) << "the long-side margins keep their sum";
  EXPECT_EQ(with_orientation(landscape, false), portrait);
  EXPECT_EQ(with_orientation(portrait, false), portrait) << "already portrait: unchanged";
}

}  // namespace
}  // namespace quilm
