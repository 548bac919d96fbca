#include "cli/font_conversion_args.h"

#include <cstdio>
#include <optional>

#include "cli/exit_codes.h"
#include "cli/font_option.h"
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
  bool gurmukhi_digits = false;
  if (command.gurmukhi_digits_option)
    parser.flag("--gurmukhi-digits", gurmukhi_digits,
                "with --to unicode: the digits of the Gurmukhi fonts as Gurmukhi numerals\n"
                "(the numerals that AnmolLipi and its family draw at the digit bytes)");
  if (const std::optional<int> status = parser.parse(args)) return *status;
  if (gurmukhi_digits && to != "unicode") return parser.usage_error("--gurmukhi-digits needs --to unicode");

  const FontRegistry registry;
  FontConversionArgs a{from, to, in, out, gurmukhi_digits};
  // Which names were taken for names whose case was off: said after the
  // conversion, so that a refusal stays one line.
  std::string notes;
  if (from == "auto") {
    a.from = std::string(kAutomaticDetection);
  } else if (const std::optional<std::string> name = font_name(from, registry)) {
    a.from = known_font_name(command.name, *name, registry);
    if (a.from.empty()) return kBadInput;
    notes += case_note(command.name, *name, a.from);
  } else {
    return parser.usage_error(from + " is not the font index of a font");
  }
  if (to != "unicode") {
    const std::optional<std::string> name = font_name(to, registry);
    if (!name) return parser.usage_error(to + " is not the font index of a font");
    a.to = known_font_name(command.name, *name, registry);
    if (a.to.empty()) return kBadInput;
    notes += case_note(command.name, *name, a.to);
  }
  const int status = command.body(a, registry);
  if (status == kSuccess) std::fputs(notes.c_str(), stderr);
  return status;
}

}  // namespace quilm::cli
