// The display-font list and the decision which fonts to load and which font
// names to send to a stand-in: an installed font always wins.
#include "fonts/display/substitution_plan.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace quilm::display {
namespace {

const std::vector<DisplayFont> kFonts = {
    {"Quilm", "Quilm.ttf", 35, true, ""},
    {"Quilm2010", "Quilm2010.ttf", 35, true, ""},
    {"Quilm Legacy anmollipi", "Quilm-Legacy-anmollipi.ttf", 2, false, ""},
    {"Quilm Legacy satluj", "Quilm-Legacy-satluj.ttf", 22, false, ""},
    {"Quilm Legacy kruti", "Quilm-Legacy-kruti.ttf", 70, false, "Kruti Dev 010"},
    {"Quilm Legacy chanakya", "Quilm-Legacy-chanakya.ttf", -1, false, "Chanakya"},
};

std::vector<std::string> loaded(const DisplayFontPlan& plan) {
  std::vector<std::string> out;
  for (const DisplayFont& f : plan.to_load) out.push_back(f.family);
  return out;
}

// The family a name is sent to, or "" when it is not substituted.
std::string sent_to(const DisplayFontPlan& plan, const std::string& name) {
  for (const Substitution& s : plan.substitutions)
    if (s.font_name == name) return s.family;
  return "";
}

TEST(SubstitutionPlan, InstalledFontsWin) {
  const FontRegistry registry;
  struct Case {
    std::vector<std::string> installed;
    std::string name;
    std::string sent_to;
    const char* label;
  };
  const Case cases[] = {
      {{}, "AnmolLipi", "Quilm Legacy anmollipi", "nothing installed"},
      {{}, "AnmolUbhri", "Quilm Legacy anmollipi", "every name of the encoding"},
      {{}, "Satluj", "Quilm Legacy satluj", "another encoding"},
      {{"AnmolLipi", "DejaVu Sans"}, "AnmolLipi", "", "the real font is installed"},
      {{"anmollipi"}, "AnmolLipi", "", "font matching ignores case"},
      {{"AnmolLipi"}, "AnmolKalmi", "Quilm Legacy anmollipi", "only the installed name is left alone"},
      {{}, "Jhelam", "", "an encoding without a stand-in in the list"},
      {{}, "Quilm2010", "", "an own font draws its own name"},
      {{}, "Ekta", "", "an unsupported name"},
      {{}, "Kruti Dev 010", "Quilm Legacy kruti", "a Devanagari font, by the name its stand-in draws for"},
      {{}, "Chanakya", "Quilm Legacy chanakya", "a Devanagari font without a font index"},
      {{"kruti dev 010"}, "Kruti Dev 010", "", "an installed Devanagari font"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    EXPECT_EQ(sent_to(plan_display_fonts(registry, kFonts, c.installed), c.name), c.sent_to);
  }
}

// Raavi, the Unicode Gurmukhi font of the defaults, is a Windows font: where
// it is missing, the free Unicode Gurmukhi font draws it, from the folder's
// copy unless that font is installed.
TEST(SubstitutionPlan, TheUnicodeFontIsDrawnByAFreeUnicodeGurmukhiFont) {
  const FontRegistry registry;
  struct Case {
    const char* label;
    std::vector<std::string> installed;
    std::string unicode_font;
    std::string sent_to;
    bool loaded;
  };
  const Case cases[] = {
      {"nothing installed", {}, "Raavi", "Lohit Gurmukhi", true},
      {"the stand-in is installed", {"Lohit Gurmukhi"}, "Raavi", "Lohit Gurmukhi", false},
      {"Raavi is installed", {"raavi"}, "Raavi", "", false},
      {"another Unicode font named", {}, "Saab", "Lohit Gurmukhi", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    const DisplayFontPlan plan = plan_display_fonts(registry, kFonts, c.installed, c.unicode_font);
    EXPECT_EQ(sent_to(plan, c.unicode_font), c.sent_to);
    EXPECT_EQ(plan.load_unicode_stand_in, c.loaded);
  }
}

TEST(SubstitutionPlan, OwnFontsAreLoadedUnlessInstalled) {
  const FontRegistry registry;
  EXPECT_EQ(loaded(plan_display_fonts(registry, kFonts, {})),
            (std::vector<std::string>{"Quilm", "Quilm2010", "Quilm Legacy anmollipi", "Quilm Legacy satluj",
                                      "Quilm Legacy kruti", "Quilm Legacy chanakya"}));
  EXPECT_EQ(loaded(plan_display_fonts(registry, kFonts, {"Quilm2010"})),
            (std::vector<std::string>{"Quilm", "Quilm Legacy anmollipi", "Quilm Legacy satluj", "Quilm Legacy kruti",
                                      "Quilm Legacy chanakya"}));
}

TEST(DisplayFontList, ParsesLinesAndReportsBadOnes) {
  const std::string text =
      "# family\tfile\tfont index\town or stand-in\n"
      "Quilm2010\tQuilm2010.ttf\t35\town\n"
      "Quilm Legacy anmollipi\tQuilm-Legacy-anmollipi.ttf\t2\tstand-in\r\n"
      "\n"
      "Broken\tBroken.ttf\tX\town\n"
      "Short\tShort.ttf\n"
      "Odd\tOdd.ttf\t3\tborrowed\n"
      "Quilm Legacy kruti\tQuilm-Legacy-kruti.ttf\t70\tstand-in\tKruti Dev 010\n"
      "Own font for\tOwn.ttf\t70\town\tKruti Dev 010\n"
      "Empty name\tEmpty.ttf\t70\tstand-in\t\n";
  std::vector<int> bad;
  const std::vector<DisplayFont> fonts = parse_display_font_list(text, &bad);
  ASSERT_EQ(fonts.size(), 3u);
  EXPECT_EQ(fonts[0].family, "Quilm2010");
  EXPECT_EQ(fonts[0].font_index, 35);
  EXPECT_TRUE(fonts[0].own_name);
  EXPECT_EQ(fonts[1].family, "Quilm Legacy anmollipi");
  EXPECT_EQ(fonts[1].file, "Quilm-Legacy-anmollipi.ttf");
  EXPECT_FALSE(fonts[1].own_name);
  EXPECT_TRUE(fonts[1].draws_for.empty());
  EXPECT_EQ(fonts[2].draws_for, "Kruti Dev 010");
  EXPECT_EQ(fonts[2].font_index, 70);
  EXPECT_EQ(bad, (std::vector<int>{5, 6, 7, 9, 10}));
}

}  // namespace
}  // namespace quilm::display
