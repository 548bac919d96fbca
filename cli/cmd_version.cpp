#include <cstdio>

#include "cli/commands.h"
#include "cli/exit_codes.h"

namespace quilm::cli {

int run_version(const Args&) {
  std::printf("Quilm 2010 language core 0.1\n");
  return kSuccess;
}

}  // namespace quilm::cli
