// The preparation that every conversion out of the pivot encoding (Unicode,
// ISCII, Devanagari) starts with: one glyph for bindi and addak, the
// cleaning chain, letters with nukta as one glyph, ligatures spelt out, and
// the signs reordered from drawing order towards Unicode order.
#pragma once

#include "common/bytes.h"

namespace quilm {

// Steps 1 to 5 of the export: the text that the output tables then read.
Bytes prepare_for_export(BytesView pivot);
void prepare_for_export_in_place(Bytes& text);

// False when the preparation would leave `pivot` as it is (most words): the
// output tables can then read it straight away.
bool needs_preparation_for_export(BytesView pivot);

}  // namespace quilm
