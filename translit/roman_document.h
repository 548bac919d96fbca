// "Transliterate Gurmukhi to Roman" (F5): the text of the document, or of the
// selection when there is one, in Roman letters for the "Romanised Punjabi
// Text" window.
//
// Each run is read in its own font: text in a Gurmukhi font is cut into
// words by that font's word-character set and transliterated; Unicode
// Gurmukhi is transliterated too; text in any other font (English in Arial)
// is copied as it stands. Text in a Gurmukhi font that has no reader or no
// word-character set is copied unchanged and reported once by name.
#pragma once

#include <string>

#include "common/prompter.h"
#include "editor/editor.h"
#include "fonts/registry.h"
#include "translit/roman_text.h"

namespace quilm {

inline constexpr const char* kRomanCaption = "Transliterating from Gurmukhi to Roman...";
inline constexpr const char* kRomanNotSupported = " not supported for transliteration";

// The Roman text of the editor's document (or selection). When it holds no
// Gurmukhi at all, the prompter shows "Font : NAME not supported for
// transliteration" for the font at the caret and the result is empty.
std::u16string transliterate_document_to_roman(const Editor& editor, const FontRegistry& fonts,
                                               const RomanTextTools& tools, Prompter& prompter);

}  // namespace quilm
