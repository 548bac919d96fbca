// The list of generated display fonts (fonts.txt beside the fonts, written by
// tools/fontgen): each font's family, file, font index and whether it ships
// under the program's own name or is a stand-in reached by substitution; a
// stand-in of an 8-bit Devanagari font also names the font it draws for.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quilm::display {

inline constexpr std::string_view kDisplayFontList = "fonts.txt";

struct DisplayFont {
  std::string family;  // "Quilm2010", "Quilm Legacy anmollipi"
  std::string file;    // file name in the fonts folder
  int font_index = 0;
  bool own_name = false;  // a font of the program's own, under its own name
  // The font a Devanagari stand-in draws for ("Kruti Dev 010"); empty for
  // the Gurmukhi fonts, whose names come from their encoding. Such a font
  // has the font index of its encoding's writer, or -1.
  std::string draws_for;
};

// Reads the tab-separated lines of fonts.txt; '#' lines are comments. A line
// that does not have four fields (or five, the fifth naming the font a
// stand-in draws for) is left out and its number added to `bad_lines` when
// given.
std::vector<DisplayFont> parse_display_font_list(std::string_view text, std::vector<int>* bad_lines = nullptr);

}  // namespace quilm::display
