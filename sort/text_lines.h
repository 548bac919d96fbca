// Cutting text into lines: a line ends at LF, at CR LF or at a CR alone, so
// that files from Linux, Windows and old Macintosh programs all read as
// lines. Each line keeps the bytes of its own line break apart from its
// text; the last line may have none.
#pragma once

#include <vector>

#include "common/bytes.h"

namespace quilm {

struct TextLine {
  BytesView text;        // without the line break
  BytesView line_break;  // "\n", "\r\n", "\r", or empty for a last line without one
};

// The lines of `text` (which they view). An empty text has no lines; a text
// ending in a line break has no empty line after it.
std::vector<TextLine> split_lines(BytesView text);

// The line break the text uses first ("\n" for a text without one): the
// break given to a last line that has none, when lines are moved around.
BytesView first_line_break(const std::vector<TextLine>& lines);

}  // namespace quilm
