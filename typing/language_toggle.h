// The language toggle of the editor's popup menu (LanguageEnglish1, Ctrl+L):
// switches typing between Punjabi and English, giving the editor the default
// font of the language switched to and remembering the font left behind as
// that language's default.
#pragma once

#include <string>

#include "editor/editor.h"
#include "fonts/registry.h"
#include "typing/typing_state.h"

namespace quilm::typing {

// The item's caption names the language that the next toggle switches to.
inline constexpr const char* kLanguageEnglishCaption = "&Language - English";  // Punjabi state
inline constexpr const char* kLanguagePunjabiCaption = "&Language - Punjabi";  // English state
const char* language_caption(const TypingState& state);

// A default font of the settings (name and size), by reference.
struct DefaultFont {
  std::string& name;
  int& size;
};

// LanguageEnglish1Click. With the caret in a Gurmukhi font, the Punjabi
// state switches to English; with the caret in any other font, the English
// state switches to Punjabi. Either way the font at the caret becomes the
// default of its own language (Gurmukhi fonts of Punjabi, others of English).
void LanguageEnglish1Click(Editor& editor, const FontRegistry& fonts, TypingState& state, DefaultFont punjabi,
                           DefaultFont english);

}  // namespace quilm::typing
