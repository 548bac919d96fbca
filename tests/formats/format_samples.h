// Documents and helpers shared by the format tests.
#pragma once

#include <string>

#include "editor/document.h"
#include "common/bytes.h"

namespace quilm::test {

// Fonts of the samples: two legacy Gurmukhi fonts and two others.
inline constexpr const char* kAnmol = "AnmolLipi";
inline constexpr const char* kSatluj = "Satluj";
inline constexpr const char* kTimes = "Times New Roman";
inline constexpr const char* kRaavi = "Raavi";

// The legacy-font test of the samples: the two Gurmukhi fonts.
LegacyFontTest sample_legacy_fonts();

CharFormat format_of(const char* font, int size);

// Latin text, legacy glyph bytes of two fonts (0x80 … 0xFF, 0x93 among them,
// a control byte 0x1E), Unicode Gurmukhi, every style and colour, four
// paragraphs of different alignments, the last one empty, and page values.
Document rich_sample();

// The document's text with the paragraphs' alignments and the formats of
// its characters, for messages that show where two documents differ.
std::string describe(const Document& doc);

// Programs differ in the format they give a paragraph mark; the text's own
// formats are what count, so each break takes the format before it.
Document breaks_as_text_before(Document doc);

// The fixture file's bytes.
Bytes fixture(const std::string& name);

}  // namespace quilm::test
