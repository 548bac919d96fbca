// The FONT of the --font, --from and --to options: a font name ("AnmolLipi")
// or a font index written as a number (9 is the pivot encoding).
#pragma once

#include <optional>
#include <string>

#include "fonts/registry.h"

namespace quilm::cli {

// The font index; nullopt, after a message on stderr naming `command`, for a
// number that is no font index. A name that is not supported gives 30 with
// a warning, since its text passes unchanged.
std::optional<int> resolve_font(const char* command, const std::string& arg, const FontRegistry& registry);

}  // namespace quilm::cli
