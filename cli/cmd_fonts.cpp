// quilm-cli fonts: the encodings of the font-index table, each with its
// converter stem and the font names written in it.
#include <cstdio>
#include <string>

#include "cli/commands.h"
#include "cli/exit_codes.h"
#include "fonts/registry.h"

namespace quilm::cli {
namespace {

void print_fonts_usage(std::FILE* out) {
  std::fprintf(out,
               "usage: quilm-cli fonts\n"
               "\n"
               "Lists the font encodings, one a line, tab-separated: the font index, the\n"
               "converter stem (- when text passes unchanged) and the font names of the\n"
               "encoding (some end in a blank). Encodings without names show what they are.\n");
}

void print_encoding(const FontEncoding& e) {
  std::string line = std::to_string(e.index) + "\t" + (e.stem.empty() ? "-" : std::string(e.stem));
  if (e.names.empty()) line += "\t(" + std::string(e.description) + ")";
  for (std::string_view name : e.names) line += "\t" + std::string(name);
  std::printf("%s\n", line.c_str());
}

}  // namespace

int run_fonts(const Args& args) {
  if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
    print_fonts_usage(stdout);
    return kSuccess;
  }
  if (!args.empty()) {
    print_fonts_usage(stderr);
    return kUsage;
  }
  const FontRegistry registry;
  for (const FontEncoding& e : registry.encodings()) print_encoding(e);
  return kSuccess;
}

}  // namespace quilm::cli
