// The editor format in which the external-file conversion loads a file and
// saves its result, by the file's extension (compared in upper case).
#pragma once

#include <filesystem>

#include "editor/editor.h"

namespace quilm {

// ".PBI" the program's own format, ".HTM" and ".HTML" HTML, ".DOC" Word,
// ".RTF" RTF; ".TXT", ".ACI" and any other extension plain 8-bit text.
FormatCode source_file_format(const std::filesystem::path& path);

// The format a document file loads in for a conversion: as
// source_file_format, except that 8-bit text that starts with a UTF-16
// byte-order mark (FF FE or FE FF) is Unicode text, whose reader refuses
// bytes that are not UTF-16 instead of loading them as glyphs.
FormatCode document_file_format(const std::filesystem::path& path);

// The same table for the file written, except that an extension it does not
// know leaves `current` (the format the source was loaded in).
FormatCode destination_file_format(const std::filesystem::path& path, FormatCode current);

}  // namespace quilm
