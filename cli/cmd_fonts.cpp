// quilm-cli fonts: the encodings of the font-index table, each with its
// converter stem, whether its reader and writer are present, whether its
// text can be converted, and the font names written in it.
#include <cstdio>
#include <optional>
#include <string>

#include "cli/commands.h"
#include "cli/exit_codes.h"
#include "cli/options.h"
#include "fonts/conversion.h"
#include "fonts/conversion_tables.h"
#include "fonts/registry.h"

namespace quilm::cli {
namespace {

constexpr char kAbout[] =
    "Lists the font encodings, one a line, tab-separated: the font index, the\n"
    "converter stem (- when text passes unchanged), the reader into the pivot\n"
    "encoding and the writer out of it (each its name, or - when absent), what\n"
    "conversion does with the encoding (converts, needs no converting, passes\n"
    "unchanged, destination only, or cannot be converted yet), and the font\n"
    "names of the encoding (some end in a blank). Encodings without names show\n"
    "what they are.";

// The name of the converter when it is compiled in, else "-".
std::string present(std::string_view name, bool compiled) { return compiled && !name.empty() ? std::string(name) : "-"; }

const char* status(const FontEncoding& e) {
  const ConversionSupport support = conversion_support(e.index);
  if (e.index == font_index::kNotSupported) return "passes unchanged";
  if (e.identity()) return "needs no converting";
  if (support.reads && support.writes) return "converts";
  if (!support.reads && support.writes && e.names.empty()) return "destination only";
  return "cannot be converted yet";
}

void print_encoding(const FontEncoding& e) {
  const ConversionSupport support = conversion_support(e.index);
  std::string line = std::to_string(e.index) + "\t" + (e.stem.empty() ? "-" : std::string(e.stem));
  line += "\t" + present(e.reader, support.reads && find_reader(e.reader));
  line += "\t" + present(e.writer, support.writes && find_writer(e.writer));
  line += "\t" + std::string(status(e));
  if (e.names.empty()) line += "\t(" + std::string(e.description) + ")";
  for (std::string_view name : e.names) line += "\t" + std::string(name);
  std::printf("%s\n", line.c_str());
}

}  // namespace

int run_fonts(const Args& args) {
  OptionParser parser("fonts", kAbout);
  if (const std::optional<int> status = parser.parse(args)) return *status;
  const FontRegistry registry;
  for (const FontEncoding& e : registry.encodings()) print_encoding(e);
  return kSuccess;
}

}  // namespace quilm::cli
