// The document and ISCII files (.aci): export ("Export", "ISCII Format", and
// Save of a document imported from ISCII) and import. An ISCII file has no
// header: ASCII below 0x80, ISCII Gurmukhi from 0xA1.
#pragma once

#include <filesystem>

#include "common/status.h"
#include "convert/document_context.h"

namespace quilm {

// The document as ISCII bytes: words in Gurmukhi fonts through the pivot
// encoding, every other character as its byte, paragraphs ending in CR LF.
// A character that ISCII cannot hold is written as '?' and counted in
// `unwritable`.
Bytes document_as_iscii(const DocumentContext& context, long* unwritable = nullptr);

// Writes the document as an ISCII file, atomically; says in a message how
// many characters had no ISCII form, when any had none.
Status SaveISCIIFile(const DocumentContext& context, const std::filesystem::path& path);

// Reads an ISCII file into the emptied document: Gurmukhi runs through the
// pivot encoding into the Punjabi default font, ASCII letters and
// punctuation in the English default font, spaces and control bytes in the
// Punjabi one. The caret ends at 0; an unreadable file leaves the document
// as it was. The caller marks the document untitled.
Status ImportISCIIFile(const DocumentContext& context, const std::filesystem::path& path);

}  // namespace quilm
