// quilm-cli font-index: the font index of each font name, as get_font_index
// gives it to every tool of the program.
#include <cstdio>
#include <string>

#include "cli/commands.h"
#include "cli/exit_codes.h"
#include "fonts/registry.h"

namespace quilm::cli {
namespace {

void print_font_index_usage(std::FILE* out) {
  std::fprintf(out,
               "usage: quilm-cli font-index NAME...\n"
               "\n"
               "Prints the font index of each font name, one a line. Names compare exactly:\n"
               "case and trailing blanks count, so quote a name that ends in a blank\n"
               "(\"Ekta \" is 7, \"Ekta\" is 30). 9 is the pivot encoding, 30 not supported.\n");
}

}  // namespace

int run_font_index(const Args& args) {
  if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
    print_font_index_usage(stdout);
    return kSuccess;
  }
  if (args.empty()) {
    print_font_index_usage(stderr);
    return kUsage;
  }
  for (const std::string& a : args) {
    if (a.starts_with("--")) {
      std::fprintf(stderr, "quilm-cli font-index: unexpected option \"%s\"\n", a.c_str());
      return kUsage;
    }
  }
  const FontRegistry registry;
  for (const std::string& name : args) std::printf("%d\n", registry.get_font_index(name));
  return kSuccess;
}

}  // namespace quilm::cli
