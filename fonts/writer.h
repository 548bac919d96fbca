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

// For the word writer (fonts/word_conversion.h), which writes many short
// texts into room of its own. A writer without a pre-pass or post-pass
// writes directly: the room that writing `n` pivot bytes needs, and the
// writing into that room, as write_from_pivot does it; returns the length
// written.
bool writes_directly(const WriterTable& writer);
inline std::size_t glyph_room(const WriterTable& writer, std::size_t n) { return n * writer.growth + sizeof(Glyphs); }
std::size_t write_glyphs_into(const WriterTable& writer, BytesView pivot, ConversionContext& context,
                              std::uint8_t* out);

}  // namespace quilm
