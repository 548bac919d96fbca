// The cleaning passes of word normalisation: each brings one kind of
// variation in pivot text (alternate glyphs, repeated signs, the empty glyph
// 0x26) to one spelling. The conversions out of the pivot encoding and the
// lookup normalisation chain them, each in its own order. None fails.
//
// Every pass takes a pivot string and returns one; the *_in_place forms do
// the same work on a string the caller owns, without a new allocation where
// the pass only shortens the text.
#pragma once

#include "common/bytes.h"
#include "encoding/byte_set.h"
#include "encoding/pivot_bytes.h"

namespace quilm {

// Signs whose repetition double_a removes.
inline constexpr ByteSet kDoubledSigns{pivot::kSignEE,      pivot::kTippi,       pivot::kSignAI, pivot::kAddak,
                                       pivot::kSignOO,      pivot::kSignAU,      pivot::kSubjoinedVA,
                                       pivot::kSubjoinedRA, pivot::kSubjoinedHA, pivot::kSignU};

// Each alternate glyph (encoding/tables/pivot.txt, @alternates) is replaced
// by its standard bytes: 0x8C becomes 0x7A 0x5B.
Bytes special_characters(BytesView text);
void special_characters_in_place(Bytes& text);

// 0x26 followed by another byte is dropped, and that byte is copied without
// being looked at again; a 0x26 in the last position stays.
Bytes removing_spaces(BytesView text);
void removing_spaces_in_place(Bytes& text);

// U U becomes U; U UU, UU UU and UU U become UU. Both bytes of a pair are
// consumed and the result is not looked at again.
Bytes aunkar_dulankar(BytesView text);
void aunkar_dulankar_in_place(Bytes& text);

// Every run of two or more bindis 0x49 becomes one; then every 0x26 goes.
Bytes removing_bindi(BytesView text);
void removing_bindi_in_place(Bytes& text);

// Every run of two or more equal bytes among EE, tippi, AI, addak, OO, AU,
// the subjoined letters and U becomes one.
Bytes double_a(BytesView text);
void double_a_in_place(Bytes& text);

// Every run of two or more nuktas 0x61 becomes one.
Bytes removing_pairwalibindi(BytesView text);
void removing_pairwalibindi_in_place(Bytes& text);

}  // namespace quilm
