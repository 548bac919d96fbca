// Putting a meaning chosen in a dictionary window into the document: in
// place of the selected word, or there and at every later occurrence of
// the word as a whole word in the same font. The meaning goes in with its
// own font (the English default font for an English meaning, the Punjabi
// default font for a Punjabi one).
#pragma once

#include <string>
#include <string_view>

#include "common/bytes.h"
#include "editor/editor.h"
#include "fonts/conversion.h"
#include "fonts/registry.h"

namespace quilm {

struct MeaningText {
  std::u16string text;
  std::string font_name;
  int font_size = 12;
};

// `glyphs` (bytes of font index 31, as the dictionary tables keep Gurmukhi)
// as `font` writes them, with its font name and size.
MeaningText meaning_of_glyphs(BytesView glyphs, const MeaningText& font, const FontRegistry& registry,
                              const FontConverter& converter);

// The chosen phrase without the blanks and the characters of `dropped` at its end.
std::u16string trimmed_meaning(std::u16string_view chosen, std::u16string_view dropped);

// Puts `meaning` in place of the editor's selection as one undo step.
void insert_meaning(Editor& editor, const MeaningText& meaning);

// Puts `meaning` in place of the selection and of every occurrence of
// `word` after it that stands as a whole word in text of `word_font` (the
// font of the selection). Text put in is never searched again. One undo
// step; the selection start stays where it was. Gives the number replaced.
int insert_meaning_everywhere(Editor& editor, const std::u16string& word, const std::string& word_font,
                              const MeaningText& meaning, const FontRegistry& registry);

}  // namespace quilm

namespace quilm {

// The phrase of a meanings text around `position`: from after the ',' or
// ';' before it to the next one, without its leading blanks.
std::u16string phrase_around(std::u16string_view meanings, std::size_t position);

}  // namespace quilm
