// Format 1, plain 8-bit text: one byte per character, lines ending in CR LF.
// Legacy Gurmukhi documents are 8-bit glyph codes, so a byte is kept as the
// character of the same code (0x93 stays U+0093, it is never read as a
// Windows-1252 quotation mark); the font of the run says what it means.
#pragma once

#include "editor/document.h"
#include "common/bytes.h"
#include "common/status.h"

namespace quilm {

// Any line end (CR LF, LF, CR) becomes a paragraph break; every character
// gets `format`.
Document read_plain_text(BytesView bytes, const CharFormat& format);

// Fails, leaving `out` alone, when a character above U+00FF has no byte to be
// written as: a stand-in such as '?' would destroy the text on saving.
Status write_plain_text(const Document& doc, Bytes& out);

}  // namespace quilm
