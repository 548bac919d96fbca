// The colour a colour choice starts from: the text or background colour of
// the selection, black when the selected characters differ in it; without a
// selection, the colour at the caret.
#pragma once

#include "editor/editor.h"

namespace quilm {

enum class ColourKind { Text, Background };

Color selection_colour(const Editor& editor, ColourKind kind);

}  // namespace quilm
