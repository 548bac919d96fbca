#include "cli/font_conversion_args.h"

#include <optional>

#include "cli/options.h"

namespace quilm::cli {
namespace {

bool all_digits(const std::string& s) {
  return !s.empty() && s.size() <= 3 && s.find_first_not_of("0123456789") == std::string::npos;
}

// A font index given as a number names the first font of its encoding.
std::optional<std::string> font_name(const std::string& arg, const FontRegistry& registry) {
  if (!all_digits(arg)) return arg;
  const FontEncoding* encoding = registry.encoding(std::stoi(arg));
  if (encoding && !encoding->names.empty()) return std::string(encoding->names.front());
  return std::nullopt;
}

}  // namespace

int run_font_conversion_command(const FontConversionCommand& command, const Args& args) {
  std::string from, to, in, out;
  OptionParser parser(command.name, command.about);
  parser.value("--from", "FONT|auto", from, "", Need::Required);
  parser.value("--to", command.to_value, to, "", Need::Required);
  parser.positional("IN", in);
  parser.positional("OUT", out);
  if (const std::optional<int> status = parser.parse(args)) return *status;

  const FontRegistry registry;
  FontConversionArgs a{from, to, in, out};
  if (from == "auto") {
    a.from = std::string(kAutomaticDetection);
  } else if (const std::optional<std::string> name = font_name(from, registry)) {
    a.from = *name;
  } else {
    return parser.usage_error(from + " is not the font index of a font");
  }
  if (to != "unicode") {
    const std::optional<std::string> name = font_name(to, registry);
    if (!name) return parser.usage_error(to + " is not the font index of a font");
    a.to = *name;
  }
  return command.body(a, registry);
}

}  // namespace quilm::cli
