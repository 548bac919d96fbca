// Format_for_Quilm: the last pass of the Quilm writer, on text in the Quilm
// encoding. It puts in the composite glyphs of the Quilm fonts that depend on
// the glyph after or before: the raised addak, and the consonants with nukta.
#pragma once

#include "common/bytes.h"

namespace quilm {

Bytes Format_for_Quilm(BytesView quilm_text);

}  // namespace quilm
