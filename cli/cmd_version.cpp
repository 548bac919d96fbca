// quilm-cli version: the version of the language core.
#include <cstdio>
#include <optional>

#include "cli/commands.h"
#include "cli/exit_codes.h"
#include "cli/options.h"

namespace quilm::cli {

int run_version(const Args& args) {
  OptionParser parser("version", "Prints the version of Quilm's language core.");
  if (const std::optional<int> status = parser.parse(args)) return *status;
  std::printf("Quilm 2010 language core 0.1\n");
  return kSuccess;
}

}  // namespace quilm::cli
