// GurToUnicode: pivot text to Unicode Gurmukhi. After the export
// preparation (encoding/export_preparation.h) the bytes are read left to
// right by a short list of rules for what Unicode writes differently from
// the glyphs: sihari after its consonant (and after a subjoined letter of
// it), independent vowels from carrier and sign, letters with nukta, two
// dandas as one double danda.
#pragma once

#include <string>

#include "common/bytes.h"

namespace quilm {

std::u16string GurToUnicode(BytesView pivot);
// Appends the conversion to `out`.
void GurToUnicode(BytesView pivot, std::u16string& out);

// The output rules alone, on text already prepared for export: appended to
// `out`, or written at `out`, which has room for kUnicodeUnitsPerPivotByte
// units per byte of `prepared` (the end of what was written is returned).
inline constexpr std::size_t kUnicodeUnitsPerPivotByte = 3;
void write_prepared_as_unicode(BytesView prepared, std::u16string& out);
char16_t* write_prepared_as_unicode(BytesView prepared, char16_t* out);
// The same characters as UTF-8, written at `out`, which has room for
// kUtf8BytesPerPivotByte bytes per byte of `prepared`.
inline constexpr std::size_t kUtf8BytesPerPivotByte = 3 * kUnicodeUnitsPerPivotByte;
char* write_prepared_as_utf8(BytesView prepared, char* out);

}  // namespace quilm
