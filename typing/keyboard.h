// What the key-press hook works with: the editor it types into and the
// program-wide state it reads and updates, all owned elsewhere (by the
// workspace and the main window, or by the command-line tool).
#pragma once

#include "editor/editor.h"
#include "common/prompter.h"
#include "fonts/conversion_context.h"
#include "fonts/registry.h"
#include "typing/typing_state.h"

namespace quilm::typing {

struct Keyboard {
  Editor& editor;
  const FontRegistry& fonts;
  ConversionContext& conversion;  // the typing-context flag and the writer context
  Prompter& prompter;             // the beep of a refused key
  TypingState& state;
  // "Check for  legal Punjabi character combinations": governs the check of
  // the Quilm encoding only.
  bool check_option = true;
};

}  // namespace quilm::typing
