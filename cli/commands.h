// The subcommands of quilm-cli. Each lives in its own file, takes the
// arguments after its name and returns the exit status: 0 success, 1 bad
// input (with a one-line message on stderr), 2 a usage error.
#pragma once

#include <string>
#include <vector>

namespace quilm::cli {

using Args = std::vector<std::string>;

struct Command {
  const char* name;
  const char* summary;
  int (*run)(const Args& args);
};

// The table of every subcommand, in the order `quilm-cli --help` lists them.
const std::vector<Command>& commands();

}  // namespace quilm::cli
