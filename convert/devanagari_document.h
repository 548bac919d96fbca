// The document as a Devanagari Unicode text file: Gurmukhi words
// transliterated into Devanagari, everything else as in the Unicode export.
#pragma once

#include <filesystem>
#include <string>

#include "common/status.h"
#include "convert/document_context.h"

namespace quilm {

std::u16string document_as_devanagari(const DocumentContext& context);

// Writes UTF-16LE with a byte-order mark, atomically. A file that cannot be
// written gives the warning "Error Creating Unicode File" and writes nothing.
Status SaveHindiUnicodeFile(const DocumentContext& context, const std::filesystem::path& path);

}  // namespace quilm
