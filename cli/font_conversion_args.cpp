#include "cli/font_conversion_args.h"

#include "cli/exit_codes.h"

#include <cstdio>
#include <vector>

namespace quilm::cli {
namespace {

bool all_digits(const std::string& s) {
  return !s.empty() && s.size() <= 3 && s.find_first_not_of("0123456789") == std::string::npos;
}

// A font index given as a number names the first font of its encoding.
std::optional<std::string> font_name(const char* command, const std::string& arg, const FontRegistry& registry) {
  if (!all_digits(arg)) return arg;
  const FontEncoding* encoding = registry.encoding(std::stoi(arg));
  if (encoding && !encoding->names.empty()) return std::string(encoding->names.front());
  std::fprintf(stderr, "quilm-cli %s: %s is not the font index of a font\n", command, arg.c_str());
  return std::nullopt;
}

}  // namespace

std::optional<FontConversionArgs> parse_font_conversion_args(const char* command, const Args& args,
                                                             const FontRegistry& registry) {
  FontConversionArgs a;
  std::vector<std::string> files;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--help" || arg == "-h") {
      a.help = true;
      return a;
    }
    if ((arg == "--from" || arg == "--to") && i + 1 < args.size()) {
      (arg == "--from" ? a.from : a.to) = args[++i];
    } else if (arg.starts_with("--")) {
      std::fprintf(stderr, "quilm-cli %s: unexpected argument \"%s\"\n", command, arg.c_str());
      return std::nullopt;
    } else {
      files.push_back(arg);
    }
  }
  if (a.from.empty() || a.to.empty() || files.size() != 2) {
    std::fprintf(stderr, "quilm-cli %s: --from, --to, an input and an output file are required\n", command);
    return std::nullopt;
  }
  a.in = files[0];
  a.out = files[1];
  if (a.from == "auto") {
    a.from = std::string(kAutomaticDetection);
  } else if (auto name = font_name(command, a.from, registry)) {
    a.from = *name;
  } else {
    return std::nullopt;
  }
  if (a.to == "unicode") return a;
  auto name = font_name(command, a.to, registry);
  if (!name) return std::nullopt;
  a.to = *name;
  return a;
}

int run_font_conversion_command(const char* command, const Args& args, void (*usage)(std::FILE*),
                                FontConversionBody body) {
  const FontRegistry registry;
  const std::optional<FontConversionArgs> a = parse_font_conversion_args(command, args, registry);
  if (!a) {
    usage(stderr);
    return kUsage;
  }
  if (a->help) {
    usage(stdout);
    return kSuccess;
  }
  return body(*a, registry);
}

}  // namespace quilm::cli
