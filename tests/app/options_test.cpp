// The Options window's values: shown from the settings, taken over all or
// nothing on OK.
#include <gtest/gtest.h>

#include "app/options.h"

namespace quilm {
namespace {

constexpr int kLayoutItems = 53;

TEST(Options, EntryShowsTheSettingsAndTheEditorsZoomAndView) {
  Settings settings;
  settings.punjabi_font_size = 18;
  settings.zoom_step = 3;
  OptionsEntry entry = options_entry(settings, 250, 2);
  EXPECT_EQ(entry.punjabi_font_size, "18");
  EXPECT_EQ(entry.zoom_step, 7) << "250 % is a step of the zoom table though the View menu lacks it";
  EXPECT_EQ(entry.view_mode, 2);
  EXPECT_EQ(options_entry(settings, 110, 0).zoom_step, 3) << "a zoom outside the table keeps the stored step";
}

TEST(Options, OkTakesOverEveryEntry) {
  const Settings before;
  OptionsEntry entry = options_entry(before, 100, 0);
  entry.punjabi_font = "AnmolLipi";
  entry.punjabi_font_size = "20";
  entry.english_font_size = "11";
  entry.zoom_step = 7;
  entry.dictionary_double_click = true;
  entry.default_save_type = 3;
  entry.view_mode = 1;
  entry.layout_choice = 0;
  const OptionsApplied applied = apply_options(before, entry, kLayoutItems);
  ASSERT_TRUE(applied.status.ok()) << applied.status.message();
  EXPECT_EQ(applied.settings.punjabi_font, "AnmolLipi");
  EXPECT_EQ(applied.settings.punjabi_font_size, 20);
  EXPECT_EQ(applied.settings.english_font_size, 11);
  EXPECT_EQ(applied.settings.zoom_step, 7);
  EXPECT_TRUE(applied.settings.dictionary_double_click);
  EXPECT_EQ(applied.settings.default_save_type, 3);
  EXPECT_EQ(applied.settings.view_mode, 1);
  EXPECT_EQ(applied.settings.layout_choice, 0);
  EXPECT_EQ(applied.settings.recent_file1, before.recent_file1) << "what the window does not show stays";
}

TEST(Options, ABadEntryChangesNothing) {
  const Settings before;
  struct Case {
    const char* what;
    void (*spoil)(OptionsEntry&);
  };
  const Case cases[] = {
      {"Punjabi size not a number", [](OptionsEntry& e) { e.punjabi_font_size = "1x"; }},
      {"English size empty", [](OptionsEntry& e) { e.english_font_size = ""; }},
      {"size zero", [](OptionsEntry& e) { e.punjabi_font_size = "0"; }},
      {"size too large", [](OptionsEntry& e) { e.english_font_size = "99999999999"; }},
      {"no font", [](OptionsEntry& e) { e.english_font.clear(); }},
      {"zoom off the table", [](OptionsEntry& e) { e.zoom_step = 10; }},
      {"save type off the list", [](OptionsEntry& e) { e.default_save_type = 5; }},
      {"layout off the list", [](OptionsEntry& e) { e.layout_choice = kLayoutItems; }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    OptionsEntry entry = options_entry(before, 100, 0);
    entry.punjabi_font = "Satluj";  // a good change before the bad one is not taken either
    c.spoil(entry);
    const OptionsApplied applied = apply_options(before, entry, kLayoutItems);
    EXPECT_FALSE(applied.status.ok());
    EXPECT_FALSE(applied.status.message().empty());
    EXPECT_EQ(applied.settings, before);
  }
}

}  // namespace
}  // namespace quilm
