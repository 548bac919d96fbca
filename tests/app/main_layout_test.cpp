#include "app/main_layout.h"

#include <gtest/gtest.h>

namespace quilm {
namespace {

TEST(ReadjustHeights, StacksTheBandsAndGivesTheEditorTheRest) {
  MainHeights h{.client_width = 800, .client_height = 600, .tool_bar = 30, .button_bar = 28,
                .keyboard_panel = 140, .ruler = 24, .status_bar = 22, .editor_left = 4};
  MainLayout l = ReadjustHeights(h);
  EXPECT_EQ(l.tool_bar, (Band{0, 30}));
  EXPECT_EQ(l.button_bar, (Band{30, 28}));
  EXPECT_EQ(l.keyboard_panel, (Band{58, 140}));
  EXPECT_EQ(l.ruler, (Band{198, 24}));
  EXPECT_EQ(l.editor, (Band{222, 600 - 24 - 22 - 140 - 30 - 28}));
  EXPECT_EQ(l.status_bar, (Band{578, 22}));
  EXPECT_EQ(l.editor.top + l.editor.height, l.status_bar.top);
  EXPECT_EQ(l.ruler_width, 800);
  EXPECT_EQ(l.editor_width, 796);
}

TEST(ReadjustHeights, HiddenKeyboardPanelGivesItsHeightToTheEditor) {
  MainHeights shown{.client_width = 800, .client_height = 600, .tool_bar = 30, .button_bar = 28,
                    .keyboard_panel = 140, .ruler = 24, .status_bar = 22, .editor_left = 0};
  MainHeights hidden = shown;
  hidden.keyboard_panel = 0;
  MainLayout a = ReadjustHeights(shown);
  MainLayout b = ReadjustHeights(hidden);
  EXPECT_EQ(b.ruler.top, 58);
  EXPECT_EQ(b.editor.top, a.editor.top - 140);
  EXPECT_EQ(b.editor.height, a.editor.height + 140);
}

TEST(ReadjustHeights, TinyWindowNeverGivesNegativeSizes) {
  MainHeights h{.client_width = 10, .client_height = 50, .tool_bar = 30, .button_bar = 28,
                .keyboard_panel = 140, .ruler = 24, .status_bar = 22, .editor_left = 20};
  MainLayout l = ReadjustHeights(h);
  EXPECT_EQ(l.editor.height, 0);
  EXPECT_EQ(l.editor_width, 0);
}

TEST(StatusPanels, StartWithThePlaceOfTheCaret) {
  EXPECT_STREQ(kPagePanel.initial_text, "Page 1");
  EXPECT_STREQ(kLinePanel.initial_text, "Line 1");
  EXPECT_STREQ(kColumnPanel.initial_text, "Col 0");
}

}  // namespace
}  // namespace quilm
