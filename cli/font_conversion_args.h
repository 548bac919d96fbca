// The arguments that convert-doc and convert-file share:
//   --from FONT|auto --to FONT IN OUT
// FONT is a font name ("AnmolLipi") or a font index (its first font name).
#pragma once

#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>

#include "cli/commands.h"
#include "fonts/registry.h"

namespace quilm::cli {

struct FontConversionArgs {
  std::string from;  // a font name, or "Automatic Detection"
  std::string to;    // a font name ("unicode" is left for the command to read)
  std::filesystem::path in, out;
  bool help = false;
};

// nullopt after a message on stderr ("quilm-cli COMMAND: ...") for a usage error.
std::optional<FontConversionArgs> parse_font_conversion_args(const char* command, const Args& args,
                                                             const FontRegistry& registry);

// Runs a command of this shape: a usage error prints `usage` on stderr and
// gives 2, --help prints it on stdout and gives 0; otherwise `body` runs.
using FontConversionBody = int (*)(const FontConversionArgs& args, const FontRegistry& registry);
int run_font_conversion_command(const char* command, const Args& args, void (*usage)(std::FILE*),
                                FontConversionBody body);

}  // namespace quilm::cli
