#include "app/command_line.h"

#include <algorithm>

namespace quilm {
namespace {

constexpr char kUsage[] =
    "usage: quilm [QT-OPTION...]\n"
    "\n"
    "Quilm, the word processor for Punjabi in Gurmukhi script. The data folder\n"
    "(word lists, dictionaries, settings) is the folder that is current when\n"
    "the program starts. Qt's own options (-platform NAME, -style NAME ...) are\n"
    "read by Qt. The language tools run without a window as quilm-cli\n"
    "(quilm-cli --help lists them).\n";

}  // namespace

std::optional<CommandLineAnswer> answer_command_line(const std::vector<std::string>& args) {
  const bool help = std::any_of(args.begin(), args.end(), [](const std::string& a) { return a == "--help" || a == "-h"; });
  if (!help) return std::nullopt;
  return CommandLineAnswer{0, kUsage};
}

}  // namespace quilm
