// quilm-cli font-index: the font index of each font name, as get_font_index
// gives it to every tool of the program.
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "cli/exit_codes.h"
#include "cli/options.h"
#include "fonts/registry.h"

namespace quilm::cli {
namespace {

constexpr char kAbout[] =
    "Prints the font index of each font name, one a line. Names compare exactly:\n"
    "case and trailing blanks count, so quote a name that ends in a blank\n"
    "(\"Ekta \" is 7, \"Ekta\" is 30). 9 is the pivot encoding, 30 not supported.\n"
    "A name that starts with \"-\" follows \"--\".";

}  // namespace

int run_font_index(const Args& args) {
  std::vector<std::string> names;
  OptionParser parser("font-index", kAbout);
  parser.rest("NAME", names, 1);
  if (const std::optional<int> status = parser.parse(args)) return *status;
  const FontRegistry registry;
  for (const std::string& name : names) std::printf("%d\n", registry.get_font_index(name));
  return kSuccess;
}

}  // namespace quilm::cli
