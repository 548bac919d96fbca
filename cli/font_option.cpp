#include "cli/font_option.h"

#include <cstdio>

#include "fonts/conversion_tables.h"
#include "fonts/font_index.h"

namespace quilm::cli {

std::optional<int> resolve_font(const char* command, const std::string& arg, const FontRegistry& registry) {
  if (!arg.empty() && arg.find_first_not_of("0123456789") == std::string::npos) {
    const int index = arg.size() <= 3 ? std::stoi(arg) : -1;
    if (index < 0 || index >= kFontIndexSlots) {
      std::fprintf(stderr, "quilm-cli %s: %s is not a font index\n", command, arg.c_str());
      return std::nullopt;
    }
    return index;
  }
  const int index = registry.get_font_index(arg);
  if (index == font_index::kNotSupported)
    std::fprintf(stderr, "quilm-cli %s: \"%s\" is not a supported font: text passes unchanged\n", command, arg.c_str());
  return index;
}

}  // namespace quilm::cli
