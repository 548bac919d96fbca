// Lines of space-separated hexadecimal bytes ("41 59 88"), the --hex form in
// which quilm-cli reads and writes byte strings.
#pragma once

#include <optional>
#include <string_view>

#include "common/bytes.h"

namespace quilm::cli {

// The bytes of a line; nullopt when a word is not one or two hex digits.
std::optional<Bytes> parse_hex_bytes(std::string_view line);
void append_hex_bytes(BytesView bytes, Bytes& out);

}  // namespace quilm::cli
