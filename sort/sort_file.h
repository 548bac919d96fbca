// "Sort File": the lines of a text file in Gurmukhi order. Each line is read
// into the pivot encoding from the chosen font only to make its key; the
// lines written are the original bytes, so a font whose text does not come
// back byte for byte through the pivot encoding is not altered. Every line
// keeps its own line break, and a last line without one is given the
// text's line break, so that it is not joined to the line that follows it.
#pragma once

#include <filesystem>
#include <string>

#include "common/bytes.h"
#include "common/status.h"
#include "fonts/conversion.h"
#include "sort/collation_order.h"
#include "sort/text_lines.h"

namespace quilm {

// `lines` in the order of the keys of `pivot_lines` (their pivot forms,
// line for line), each with its own line break.
Bytes sort_lines_by_pivot(const std::vector<TextLine>& lines, const std::vector<TextLine>& pivot_lines,
                          const CollationOrder& how);

// The lines of `text`, written in font index `font_index` (30 or another
// index without a reader: the bytes are keyed as they stand), in order.
Bytes sort_text_lines(BytesView text, int font_index, const CollationOrder& how, const FontConverter& converter);

// The name offered for the sorted file: the source's name with "-sorted"
// before its extension, in the same folder ("words.txt" -> "words-sorted.txt"),
// so that a sort does not replace its source unless the user names it.
std::filesystem::path default_sort_target(const std::filesystem::path& source);

struct SortFileChoice {
  std::filesystem::path source;
  std::filesystem::path target;
  int font_index = 30;
  bool unicode = false;  // UTF-8 text: its Gurmukhi read through the Unicode reader
  CollationOrder how;
};

// Reads the source, sorts its lines and writes the target through a
// temporary file, so that a failure leaves the target as it was (also when
// it is the source). The error names the file that could not be read or
// written, or the first byte that is no UTF-8 in a Unicode file.
Status sort_file(const SortFileChoice& choice, const FontConverter& converter);

}  // namespace quilm
