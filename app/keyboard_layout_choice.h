// The keyboard-layout choice of the settings: an item of the Options window's
// list "Default", "Romanised Punjabi", then the Gurmukhi font names, turned
// into the keyboard layout setting of the key-press hook: -1 Default,
// -2 Romanised Punjabi, otherwise the font index whose key layout is mapped.
#pragma once

#include <string>
#include <vector>

#include "app/settings.h"
#include "fonts/registry.h"
#include "typing/typing_state.h"

namespace quilm {

std::vector<std::string> keyboard_layout_items(const FontRegistry& fonts);

// A choice outside the list falls back to the Default layout, so a damaged
// settings value still gives a keyboard that types.
int keyboard_layout_setting(int choice, const std::vector<std::string>& items, const FontRegistry& fonts);
std::string keyboard_layout_caption(int choice, const std::vector<std::string>& items);

inline constexpr const char* kEnglishTypingCaption = "English";

// The status bar's keyboard panel: the language typed in, that is "English"
// in the English state of the language toggle (Ctrl+L), and the chosen
// layout in the Punjabi state.
std::string typing_caption(const typing::TypingState& typing, int choice, const std::vector<std::string>& items);

// The user chose item `choice` of the list in the window: the settings keep
// it (the settings file gets it at close) and typing uses it from now on.
void choose_keyboard_layout(Settings& settings, typing::TypingState& typing, int choice,
                            const std::vector<std::string>& items, const FontRegistry& fonts);

}  // namespace quilm
