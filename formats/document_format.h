// Reading and writing a document by editor format code, in memory and as
// files. Both editors load and save only through these functions.
#pragma once

#include <filesystem>
#include <string>

#include "editor/document.h"
#include "common/bytes.h"
#include "common/status.h"

namespace quilm {

// "plain text (1)", "RTF (5)" …, for messages.
std::string format_name(FormatCode format);

// Plain and Unicode text give every character `format`. On failure `out` is
// left alone. `legacy` names the legacy Gurmukhi fonts: RTF, HTML, CSS and
// Word documents give their runs back the glyph bytes that other programs
// store as Windows-1252 or symbol-font characters, and RTF writes them as
// 8-bit codes.
Status read_document(FormatCode format, BytesView bytes, const CharFormat& text_format, Document& out,
                     const LegacyFontTest& legacy = {});
Status write_document(FormatCode format, const Document& doc, Bytes& out, const LegacyFontTest& legacy = {});

// As above, from and to a file; messages name the file. Saving replaces the
// file atomically, so a failure leaves the old file whole.
Status load_document_file(const std::filesystem::path& path, FormatCode format, const CharFormat& text_format,
                          Document& out, const LegacyFontTest& legacy = {});
Status save_document_file(const std::filesystem::path& path, FormatCode format, const Document& doc,
                          const LegacyFontTest& legacy = {});

}  // namespace quilm
