#include "app/keyboard_layout_choice.h"

#include <gtest/gtest.h>

#include <algorithm>

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

// The layout chosen in the window: the settings keep it, typing uses it, and
// the status shows it, or "English" while the language toggle types English.
TEST(KeyboardLayoutChoice, ChosenInTheWindowAndShownWithTheLanguage) {
  FontRegistry fonts;
  const auto items = keyboard_layout_items(fonts);
  const int anmol = static_cast<int>(std::find(items.begin(), items.end(), "AnmolLipi") - items.begin());
  ASSERT_LT(anmol, static_cast<int>(items.size()));
  Settings settings;
  typing::TypingState typing;
  typing.previous_roman_key = 'k';
  choose_keyboard_layout(settings, typing, anmol, items, fonts);
  EXPECT_EQ(settings.layout_choice, anmol);
  EXPECT_EQ(typing.keyboard_layout, fonts.get_font_index("AnmolLipi"));
  EXPECT_EQ(typing.previous_roman_key, 0);
  EXPECT_EQ(typing_caption(typing, settings.layout_choice, items), "AnmolLipi");
  typing.punjabi = false;
  EXPECT_EQ(typing_caption(typing, settings.layout_choice, items), "English");

  choose_keyboard_layout(settings, typing, 1, items, fonts);
  EXPECT_EQ(typing.keyboard_layout, typing::kRomanisedLayout);
  // A choice outside the list changes nothing.
  choose_keyboard_layout(settings, typing, -1, items, fonts);
  EXPECT_EQ(settings.layout_choice, 1);
  EXPECT_EQ(typing.keyboard_layout, typing::kRomanisedLayout);
}

}  // namespace
}  // namespace quilm
