// Nukta composition: a consonant followed by the nukta, or by one sign and
// then the nukta, becomes the one glyph of the letter with nukta (SA and
// nukta is SHA). Both the conversions out of the pivot encoding and the
// lookup normalisation need the dotted letters as single glyphs.
#pragma once

#include "common/bytes.h"

namespace quilm {

// SA, GA, KHA, JA, PHA and LA with a nukta after them, directly or after one
// sign of the class "nukta may follow", become SHA, GHHA, KHHA, ZA, FA and
// LLA (followed by that sign). Scanning goes on after the bytes consumed.
void compose_nukta_consonants(Bytes& text);

}  // namespace quilm
