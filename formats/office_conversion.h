// Word documents (format 9) and PDF export (format 12) through LibreOffice in
// headless mode: the document travels to and from LibreOffice as RTF, the
// format both programs read and write in full. Without LibreOffice the
// formats give a message that says what to install.
#pragma once

#include <filesystem>
#include <string>

#include "common/bytes.h"
#include "common/status.h"

namespace quilm {

// The LibreOffice program on PATH ("soffice"), or empty.
std::filesystem::path find_office_program();

// What a user without LibreOffice is told.
std::string office_missing_message(const std::string& what);

// The bytes of a document in another format as RTF: `bytes` are a file of
// extension `extension` ("doc").
Status office_to_rtf(BytesView bytes, const std::string& extension, Bytes& rtf);

// RTF bytes as a file of another format: `filter` is LibreOffice's target
// ("doc:MS Word 97", "pdf:writer_pdf_Export"), `extension` its file extension.
Status office_from_rtf(BytesView rtf, const std::string& filter, const std::string& extension, Bytes& out);

}  // namespace quilm
