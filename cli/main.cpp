// quilm-cli: the language core of Quilm for scripts, batch work and measurement.
#include <cstdio>
#include <cstring>
#include <string>

#include "cli/commands.h"
#include "cli/exit_codes.h"

namespace {

void print_usage() {
  std::printf("usage: quilm-cli SUBCOMMAND [ARGS...]   (quilm-cli SUBCOMMAND --help for its own)\n\n");
  for (const auto& command : quilm::cli::commands())
    std::printf("  %-14s %s\n", command.name, command.summary);
}

}  // namespace

int main(int argc, char** argv) {
  using namespace quilm::cli;
  if (argc < 2) {
    std::fprintf(stderr, "quilm-cli: a subcommand is needed (quilm-cli --help lists them)\n");
    return kUsage;
  }
  const std::string name = argv[1];
  if (name == "--help" || name == "-h" || name == "help") {
    print_usage();
    return kSuccess;
  }
  for (const auto& command : commands()) {
    if (name == command.name) return command.run(Args(argv + 2, argv + argc));
  }
  std::fprintf(stderr, "quilm-cli: unknown subcommand \"%s\" (quilm-cli --help lists them)\n", name.c_str());
  return kUsage;
}
