// Reading and writing a document by editor format code, in memory and as
// files. Both editors load and save only through these functions.
#pragma once

#include <filesystem>
#include <string>

#include "app/editor/document.h"
#include "common/bytes.h"
#include "common/status.h"

namespace quilm {

// "plain text (1)", "RTF (5)" …, for messages.
std::string format_name(FormatCode format);

// Plain and Unicode text give every character `format`. On failure `out` is
// left alone.
Status read_document(FormatCode format, BytesView bytes, const CharFormat& text_format, Document& out);
Status write_document(FormatCode format, const Document& doc, Bytes& out);

// As above, from and to a file; messages name the file. Saving replaces the
// file atomically, so a failure leaves the old file whole.
Status load_document_file(const std::filesystem::path& path, FormatCode format, const CharFormat& text_format,
                          Document& out);
Status save_document_file(const std::filesystem::path& path, FormatCode format, const Document& doc);

}  // namespace quilm
