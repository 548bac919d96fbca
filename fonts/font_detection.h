// Finding the Gurmukhi font of a text: scan detection (the file-conversion,
// file-sort and number-reversal tools look through a text for its first
// Gurmukhi font) and caret detection (the dictionary tools take the font at
// the main editor's insertion point).
#pragma once

#include <string_view>

#include "editor/editor.h"
#include "common/prompter.h"
#include "fonts/registry.h"

namespace quilm {

// Whether scan detection tells the user that a font the user chose by name is
// not supported; the file-conversion tool does, the others stay silent.
enum class ChosenFontMessage { Silent, ShowNotSupported };

// The font index of the text in `text`, given the user's source choice.
//
// A choice other than "Automatic Detection" is looked up as it is. Otherwise
// the characters from position n div 8 on (n the length of the text) are
// looked at in order; the first one whose font is in the Gurmukhi font-name
// table decides, and the selection is left on that character. If that font is
// not supported the user is told "<name>   NOT Supported" and the result is 30.
// A text without a Gurmukhi font gives 9, the pivot encoding, and leaves the
// caret at the end of the text.
int scan_detect_font(Editor& text, std::string_view source_choice, const FontRegistry& registry,
                     Prompter& prompter, ChosenFontMessage chosen = ChosenFontMessage::Silent);

// The font index of the text at the editor's selection; 9 for a font that is
// not in the table or not supported. Shows nothing.
int caret_detect_font(const Editor& editor, const FontRegistry& registry);

}  // namespace quilm
