// Byte strings written as hexadecimal in the conversion tests, so that a
// failure prints which glyph codes differ.
#pragma once

#include <string>

#include "common/bytes.h"
#include "tests/support/hex_text.h"

namespace quilm::test {

// "41 59 88" -> the three bytes, and back.
inline Bytes hex(const std::string& text) { return hex_text::bytes(text); }
inline std::string to_hex(BytesView b) { return hex_text::hex(b); }

}  // namespace quilm::test
