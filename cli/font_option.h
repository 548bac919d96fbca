// The FONT of the --font, --from and --to options: a font name ("AnmolLipi")
// or a font index written as a number (9 is the pivot encoding).
#pragma once

#include <optional>
#include <string>

#include "fonts/registry.h"

namespace quilm::cli {

// True when `arg` is written as a font index (digits only).
bool written_as_font_index(const std::string& arg);

// `name` as the registry spells it; empty, after one line on stderr naming
// `command`, for a name that no font has.
std::string known_font_name(const char* command, const std::string& name, const FontRegistry& registry);

// The line that says which name was taken for `typed` ("" when it was taken
// as typed). Said once the font is accepted, so that a refusal stays one line.
std::string case_note(const char* command, const std::string& typed, const std::string& taken);

// The font index; nullopt, after one line on stderr naming `command`, for a
// number that is no font index or a name that no font has. A name that
// differs from a known one only in case takes that name, saying so on
// stderr (case_note). A name of the font-name table without an encoding gives 30 with a
// warning, since its text passes unchanged.
std::optional<int> resolve_font(const char* command, const std::string& arg, const FontRegistry& registry);

// Which half of a conversion a font takes part in.
enum class FontSide { Source, Destination };

// As resolve_font, for a conversion that must not pass text off unchanged:
// a font without a reader (as a source) or without a writer (as a
// destination) is refused with one line on stderr. The pivot and identity
// encodings named by their index (8, 9) need no converter. `failure` gets
// the exit status of a refusal: 2 for a number that is no font index, 1
// otherwise.
std::optional<int> resolve_convertible_font(const char* command, const std::string& arg, FontSide side,
                                            const FontRegistry& registry, int& failure);

}  // namespace quilm::cli
