// Format_for_Gurmukhi: the clean-up of pivot text that conversion applies
// between reader and writer when asked to. It makes one spelling of what
// different fonts draw in different orders: every bindi glyph becomes 0x49,
// a sign drawn above moves after a sign drawn below it, the raised addak
// gets its own byte, and NA + dulainkar + tippi becomes its ligature.
#pragma once

#include "common/bytes.h"

namespace quilm {

Bytes Format_for_Gurmukhi(BytesView pivot);
void Format_for_Gurmukhi_in_place(Bytes& pivot);

}  // namespace quilm
