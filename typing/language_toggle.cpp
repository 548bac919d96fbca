// The language toggle.
#include "typing/language_toggle.h"

namespace quilm::typing {
namespace {

void remember(DefaultFont target, const std::string& name, int size) {
  target.name = name;
  target.size = size;
}

void give_editor(Editor& editor, const std::string& name, int size) {
  editor.SetFontName(name);
  editor.SetFontSize(size);
}

}  // namespace

const char* language_caption(const TypingState& state) {
  return state.punjabi ? kLanguageEnglishCaption : kLanguagePunjabiCaption;
}

void LanguageEnglish1Click(Editor& editor, const FontRegistry& fonts, TypingState& state, DefaultFont punjabi,
                           DefaultFont english) {
  const std::string font = editor.FontName();
  const int size = editor.FontSize();
  const bool gurmukhi = fonts.check_font_punjabi(font);
  // The toggle leaves a language only while the caret is in a font of it.
  const bool switches = state.punjabi == gurmukhi;
  const DefaultFont next = state.punjabi ? english : punjabi;
  const std::string next_name = next.name;
  const int next_size = next.size;
  // The font at the caret becomes the default of its own language.
  remember(gurmukhi ? punjabi : english, font, size);
  if (!switches) return;
  state.punjabi = !state.punjabi;
  give_editor(editor, next_name, next_size);
}

}  // namespace quilm::typing
