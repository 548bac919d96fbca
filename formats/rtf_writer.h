// Format 5, the RTF writer: a font table, a colour table, the page values
// (\paperw … \margb), one \pard per paragraph with its alignment, and every
// run as a group with its font, size, styles and colours.
//
// Characters of a legacy-font run are glyph bytes and are written as 8-bit
// codes (\'93), which is how Windows word processors store them, so the file
// opens in them showing the same glyphs. In other fonts a character that code
// page 1252 reads differently from its own code (U+0080 … U+009F) or that the
// code page lacks is written as \uN with a '?' for readers without Unicode.
// The document ends with a \par that readers take as the last paragraph's
// mark, as Word and LibreOffice write it.
#pragma once

#include "editor/document.h"
#include "common/bytes.h"

namespace quilm {

Bytes write_rtf(const Document& doc, const LegacyFontTest& legacy);

}  // namespace quilm
