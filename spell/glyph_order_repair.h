// What the silent repair of the spelling check writes back for a word that
// is known once its glyph order is made canonical: the pivot word through
// the cleaning passes only (doubled signs dropped, signs put in one order),
// so that hyphens and the rest of the word stay as the writer typed them.
#pragma once

#include "common/bytes.h"

namespace quilm {

Bytes cleaned_glyph_order(BytesView pivot);

}  // namespace quilm
