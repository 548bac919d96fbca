#include "cli/font_option.h"

#include <cstdio>

#include "cli/exit_codes.h"
#include "fonts/conversion.h"
#include "fonts/conversion_tables.h"
#include "fonts/font_index.h"

namespace quilm::cli {
namespace {

struct FoundFont {
  int index;
  std::string name;  // as the registry spells it, or the index as written
};

std::optional<FoundFont> find_font(const char* command, const std::string& arg, const FontRegistry& registry) {
  if (written_as_font_index(arg)) {
    const int index = arg.size() <= 3 ? std::stoi(arg) : -1;
    if (index < 0 || index >= kFontIndexSlots) {
      std::fprintf(stderr, "quilm-cli %s: %s is not a font index\n", command, arg.c_str());
      return std::nullopt;
    }
    return FoundFont{index, arg};
  }
  const std::string name = known_font_name(command, arg, registry);
  if (name.empty()) return std::nullopt;
  return FoundFont{registry.get_font_index(name), name};
}

bool converts(int index, FontSide side) {
  const ConversionSupport support = conversion_support(index);
  return side == FontSide::Source ? support.reads : support.writes;
}

}  // namespace

std::string known_font_name(const char* command, const std::string& name, const FontRegistry& registry) {
  const std::string known = registry.name_ignoring_case(name);
  if (known.empty()) std::fprintf(stderr, "quilm-cli %s: \"%s\" is not a known font name\n", command, name.c_str());
  return known;
}

std::string case_note(const char* command, const std::string& typed, const std::string& taken) {
  if (typed == taken) return {};
  return "quilm-cli " + std::string(command) + ": \"" + typed + "\" taken as \"" + taken + "\"\n";
}

bool written_as_font_index(const std::string& arg) {
  return !arg.empty() && arg.find_first_not_of("0123456789") == std::string::npos;
}

std::optional<int> resolve_font(const char* command, const std::string& arg, const FontRegistry& registry) {
  const std::optional<FoundFont> font = find_font(command, arg, registry);
  if (!font) return std::nullopt;
  std::fputs(case_note(command, arg, font->name).c_str(), stderr);
  if (font->index == font_index::kNotSupported)
    std::fprintf(stderr, "quilm-cli %s: \"%s\" is not a supported font: text passes unchanged\n", command,
                 font->name.c_str());
  return font->index;
}

std::optional<int> resolve_convertible_font(const char* command, const std::string& arg, FontSide side,
                                            const FontRegistry& registry, int& failure) {
  const std::optional<FoundFont> font = find_font(command, arg, registry);
  failure = written_as_font_index(arg) && !font ? kUsage : kBadInput;
  if (!font) return std::nullopt;
  if (!converts(font->index, side)) {
    std::fprintf(stderr, "quilm-cli %s: \"%s\" cannot be converted %s: its glyphs have no table\n", command,
                 font->name.c_str(), side == FontSide::Source ? "from" : "into");
    return std::nullopt;
  }
  std::fputs(case_note(command, arg, font->name).c_str(), stderr);
  return font->index;
}

}  // namespace quilm::cli
