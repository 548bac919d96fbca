// The font box's names: the families present, a stand-in under the font
// names sent to it (spelled as the registry spells them) and never under its
// own family, each name once, sorted as a sorted list box orders them.
#include "fonts/display/font_choice.h"

#include <gtest/gtest.h>

namespace quilm::display {
namespace {

TEST(FontChoice, StandInsAreOfferedUnderTheNamesSentToThem) {
  struct Case {
    const char* label;
    std::vector<std::string> families;
    std::vector<Substitution> substitutions;
    std::vector<std::string> offered;
  };
  const Case cases[] = {
      {"installed fonts only", {"Sans", "Arial", "DejaVu Serif"}, {}, {"Arial", "DejaVu Serif", "Sans"}},
      {"a stand-in for two names",
       {"Quilm2010", "Quilm Legacy anmollipi", "Arial"},
       {{"AnmolLipi", "Quilm Legacy anmollipi"}, {"AnmolUni", "Quilm Legacy anmollipi"}},
       {"AnmolLipi", "AnmolUni", "Arial", "Quilm2010"}},
      {"case does not order or double a name",
       {"arial", "Arial", "Zed", "quilm legacy satluj"},
       {{"Satluj", "Quilm Legacy satluj"}, {"SATLUJ", "Quilm Legacy satluj"}},
       {"arial", "Satluj", "Zed"}},
      {"names kept in lower case are offered as the registry spells them",
       {"Arial", "quilm legacy anmollipi"},
       {{"anmollipi", "quilm legacy anmollipi"}, {"no such font", "quilm legacy anmollipi"}},
       {"AnmolLipi", "Arial", "no such font"}},
      {"a substituted name that is also installed is offered once",
       {"AnmolLipi", "Quilm Legacy anmollipi"},
       {{"AnmolLipi", "Quilm Legacy anmollipi"}},
       {"AnmolLipi"}},
  };
  const FontRegistry registry;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    EXPECT_EQ(font_choice_names(c.families, c.substitutions, registry), c.offered);
  }
}

}  // namespace
}  // namespace quilm::display
