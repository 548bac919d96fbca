// Which display fonts the program loads and which font names it sends to
// them. A font the user has installed always wins: an own-named font is not
// loaded when a font of that family is installed, and a font name is sent to
// its encoding's stand-in only when no installed font has that name. The
// 8-bit Devanagari fonts ("Kruti Dev 010", "Chanakya") are sent to their
// stand-ins in the same way.
#pragma once

#include <string>
#include <vector>

#include "fonts/display/display_font_list.h"
#include "fonts/registry.h"

namespace quilm::display {

struct Substitution {
  std::string font_name;  // a font name of the registry ("AnmolLipi")
  std::string family;     // the stand-in that draws it ("Quilm Legacy anmollipi")
};

struct DisplayFontPlan {
  std::vector<DisplayFont> to_load;
  std::vector<Substitution> substitutions;
};

// `installed` holds the font families present before any display font is
// loaded. Family names compare without regard to ASCII case, as the font
// matching of the toolkit compares them.
DisplayFontPlan plan_display_fonts(const FontRegistry& registry, const std::vector<DisplayFont>& fonts,
                                   const std::vector<std::string>& installed);

}  // namespace quilm::display
