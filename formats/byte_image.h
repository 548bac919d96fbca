// Format 7, saved to memory only: the text as one byte per character, so that
// byte i is character i. Tools that work on glyph codes take a document this
// way; a paragraph break is the single byte 0x0D, keeping positions in step.
#pragma once

#include "editor/document.h"
#include "common/bytes.h"

namespace quilm {

// The low byte of each character's code.
Bytes write_byte_image(const Document& doc);

}  // namespace quilm
