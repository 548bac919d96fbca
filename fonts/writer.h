// The writer engine: converts pivot text into the glyph codes of a legacy
// font by the tables of one writer (fonts/conversion_tables.h). Every writer
// runs this one algorithm; they differ in their tables and in how they treat
// the typing patterns.
#pragma once

#include "common/bytes.h"
#include "fonts/conversion_context.h"
#include "fonts/conversion_tables.h"

namespace quilm {

// Writes `pivot` (up to its first zero byte) with `writer`. Reads and updates
// the writer context of `context`, reads its typing flag, and sets its
// erase_before_caret. Output of any length is returned whole.
Bytes write_from_pivot(const WriterTable& writer, BytesView pivot, ConversionContext& context);

}  // namespace quilm
