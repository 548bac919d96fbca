// The text of a formatted document (the one in the editor, or a file that
// names its fonts: .pbi, RTF, HTML, Word) as the frequency analysis reads
// it: one run of bytes in one reading, built from the document's runs.
//
// Punjabi: the words stand in the first Gurmukhi font of the document (the
// detected font), or in `into_font` when the caller names one. Runs of other
// Gurmukhi fonts and Unicode Gurmukhi are converted into that font, so that
// every word is counted once whatever font it was typed in; any other text
// (English in Arial, digits, punctuation) becomes a blank, so that its Latin
// letters are not read as glyph codes. A document without a Gurmukhi font is
// read as Unicode text. A detected font that the conversion cannot read is
// reported ("NAME   NOT Supported") and its text read as English.
//
// English: the text outside Gurmukhi fonts, as UTF-8; Latin letters make the
// words.
//
// Paragraph breaks become CR LF, as in the document saved as plain text, so
// that word positions point into this text for the concordance.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "analysis/text_words.h"
#include "editor/editor.h"
#include "fonts/conversion.h"
#include "fonts/registry.h"

namespace quilm {

inline constexpr const char* kUnicodeAnalysisFont = "Unicode";
inline constexpr const char* kEnglishAnalysisFont = "Arial";

struct AnalysedText {
  Bytes text;
  TextReading reading;
  std::string font_name;  // the font the words stand in
  std::string note;       // "NAME   NOT Supported", or empty
};

AnalysedText document_analysis_text(const std::vector<TextRun>& runs, bool english, const FontRegistry& fonts,
                                    const FontConverter& converter,
                                    const std::optional<std::string>& into_font = std::nullopt);

}  // namespace quilm
