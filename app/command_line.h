// What the desktop program does with its command line before any window
// exists: --help (or -h) prints the usage and ends the program, so that it
// answers on a terminal without a display. Every other argument is left to
// Qt (-platform NAME, -style NAME ...) and the window starts.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace quilm {

struct CommandLineAnswer {
  int status;        // the exit status
  std::string text;  // for standard output
};

// nullopt when the window is to start.
std::optional<CommandLineAnswer> answer_command_line(const std::vector<std::string>& args);

}  // namespace quilm
