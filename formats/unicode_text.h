// Format 6, Unicode text: UTF-16 little-endian with a byte-order mark, lines
// ending in CR LF, as the program's own Unicode files are.
#pragma once

#include <string_view>

#include "editor/document.h"
#include "common/bytes.h"
#include "common/status.h"

namespace quilm {

// Reads little-endian text with the mark FF FE or without a mark, and
// big-endian text with the mark FE FF. Any line end (CR LF, LF, CR, U+2029)
// becomes a paragraph break; every character gets `format`.
//
// Bytes that are not UTF-16 (an odd count, a surrogate without its partner)
// are refused with a message and `out` is left alone. Replacing them with
// U+FFFD would load a document that no longer holds what the file held, and
// saving it would then destroy the file's text for good; refused, nothing is
// lost, and the file can still be opened as 8-bit text to see what it holds.
Status read_unicode_text(BytesView bytes, const CharFormat& format, Document& out);

Bytes write_unicode_text(const Document& doc);

// Fails, with a message naming it and its byte offset, at the first surrogate
// without its partner; `units` were read from the file from byte `first_byte`
// on (after a byte-order mark: 2). Every reader of UTF-16 files checks this.
Status check_surrogate_pairs(std::u16string_view units, std::size_t first_byte);

}  // namespace quilm
