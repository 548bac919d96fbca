// Kruti Dev 010 glyph codes into Chanakya glyph codes, for the document
// rewritten in the Chanakya font (the "Transliterate" dialog). No state.
#pragma once

#include "common/bytes.h"

namespace quilm {

Bytes kruti_to_chankya(BytesView kruti);

}  // namespace quilm
