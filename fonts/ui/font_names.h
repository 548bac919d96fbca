// The font names the program knows through Qt: the families present, and the
// names it offers in its font box, that is the installed fonts and the
// display fonts it has loaded, with each Gurmukhi stand-in under the font
// names sent to it (load_display_fonts registers those substitutions).
#pragma once

#include <QStringList>
#include <string>
#include <vector>

namespace quilm::ui {

// The font families Qt can draw with now, installed and loaded.
std::vector<std::string> present_families();

QStringList font_choice_names();

}  // namespace quilm::ui
