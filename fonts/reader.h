// The reader engine: converts the glyph codes of a legacy font into the pivot
// encoding by the tables of one reader (fonts/conversion_tables.h). Every
// reader runs this one algorithm; they differ only in their tables.
#pragma once

#include "common/bytes.h"
#include "fonts/conversion_tables.h"

namespace quilm {

// Reads `text` left to right: at each position a three-byte unit, else a
// conditional unit whose third byte follows, else a two-byte unit, else the
// single byte. The result ends at the first zero byte of the input. Output
// of any length is returned whole.
Bytes read_into_pivot(const ReaderTable& reader, BytesView text);
// The same into `out`, whose contents it replaces; a caller that reads many
// short texts keeps one buffer for them all.
void read_into_pivot(const ReaderTable& reader, BytesView text, Bytes& out);

}  // namespace quilm
