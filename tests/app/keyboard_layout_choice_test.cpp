#include "app/keyboard_layout_choice.h"

#include <gtest/gtest.h>

namespace quilm {
namespace {

TEST(KeyboardLayoutChoice, ChoiceBecomesLayoutSettingAndCaption) {
  FontRegistry fonts;
  const auto items = keyboard_layout_items(fonts);
  ASSERT_GE(items.size(), 3u);
  EXPECT_EQ(items[0], "Default");
  EXPECT_EQ(items[1], "Romanised Punjabi");

  EXPECT_EQ(keyboard_layout_setting(0, items, fonts), typing::kDefaultLayout);
  EXPECT_EQ(keyboard_layout_setting(1, items, fonts), typing::kRomanisedLayout);
  EXPECT_EQ(keyboard_layout_caption(1, items), "Romanised Punjabi");
  for (std::size_t i = 2; i < items.size(); ++i) {
    SCOPED_TRACE(items[i]);
    EXPECT_EQ(keyboard_layout_setting(static_cast<int>(i), items, fonts), fonts.get_font_index(items[i]));
    EXPECT_EQ(keyboard_layout_caption(static_cast<int>(i), items), items[i]);
  }
}

TEST(KeyboardLayoutChoice, ChoiceOutsideTheListFallsBackToDefault) {
  FontRegistry fonts;
  const auto items = keyboard_layout_items(fonts);
  for (int choice : {-3, static_cast<int>(items.size()), 10000}) {
    SCOPED_TRACE(choice);
    EXPECT_EQ(keyboard_layout_setting(choice, items, fonts), typing::kDefaultLayout);
    EXPECT_EQ(keyboard_layout_caption(choice, items), "Default");
  }
}

}  // namespace
}  // namespace quilm
