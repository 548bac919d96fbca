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

// The output rules alone, on text already prepared for export.
void write_prepared_as_unicode(BytesView prepared, std::u16string& out);

}  // namespace quilm
