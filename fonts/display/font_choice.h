// The font names a font box offers: the families the program can draw with,
// where a Gurmukhi stand-in is offered under the font names sent to it
// ("AnmolLipi") and never under its own family ("Quilm Legacy anmollipi"),
// so that a document only ever names fonts other programs know.
#pragma once

#include <string>
#include <vector>

#include "fonts/display/substitution_plan.h"

namespace quilm::display {

// `families` are the families present (installed and loaded); `substitutions`
// the font names sent to a stand-in, in any case (the toolkit keeps them in
// lower case): a name the registry knows is offered as the registry spells
// it. Each name once, compared and sorted without regard to ASCII case, as a
// sorted list box orders them.
std::vector<std::string> font_choice_names(const std::vector<std::string>& families,
                                           const std::vector<Substitution>& substitutions,
                                           const FontRegistry& registry);

}  // namespace quilm::display
