// The arguments that convert-doc and convert-file share:
//   --from FONT|auto --to FONT IN OUT
// FONT is a font name ("AnmolLipi") or a font index (its first font name).
#pragma once

#include <filesystem>
#include <string>

#include "cli/commands.h"
#include "fonts/registry.h"

namespace quilm::cli {

struct FontConversionArgs {
  std::string from;  // a font name, or "Automatic Detection"
  std::string to;    // a font name ("unicode" is left for the command to read)
  std::filesystem::path in, out;
  bool gurmukhi_digits = false;  // --gurmukhi-digits, where the command has it
};

using FontConversionBody = int (*)(const FontConversionArgs& args, const FontRegistry& registry);

struct FontConversionCommand {
  const char* name;      // "convert-doc"
  const char* to_value;  // what --to takes, for the usage: "FONT" or "FONT|unicode"
  const char* about;     // the usage's explanation
  FontConversionBody body;
  // --gurmukhi-digits: into Unicode, the digits of the Gurmukhi fonts as numerals.
  bool gurmukhi_digits_option = false;
};

// Reads the arguments of such a command and runs its body with them: a
// usage error gives 2 after one line on stderr, --help prints the usage.
int run_font_conversion_command(const FontConversionCommand& command, const Args& args);

}  // namespace quilm::cli
