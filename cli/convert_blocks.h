// The whole-text conversions of quilm-cli convert between a legacy font and
// Unicode, for input that needs no checking line by line: the input is
// converted a block of about a megabyte at a time, each block written out
// before the next, so that a long file takes little memory and each
// block's output is written while it is still in the cache.
#pragma once

#include "cli/progress.h"
#include "common/bytes.h"
#include "fonts/conversion.h"

namespace quilm::cli {

// Legacy text of font index `font` into Unicode on standard output: UTF-8,
// or UTF-16LE after a byte-order mark when `utf16` is on. False when
// standard output cannot be written.
bool write_legacy_as_unicode(BytesView legacy, int font, bool utf16, const FontConverter& converter,
                             Progress& progress);

// UTF-8 text (checked beforehand) into font index `font` on standard
// output, each line a text of its own. False when standard output cannot be
// written.
bool write_utf8_as_legacy(BytesView utf8, int font, const FontConverter& converter, Progress& progress);

}  // namespace quilm::cli
