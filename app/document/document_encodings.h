// The Unicode and ISCII files of the File menu: "Import..." of Unicode text
// and ISCII files, "Export..." as Unicode text and ISCII, and Save of a
// document that came from ISCII. The conversions themselves belong to the
// encoding subsystem; the document commands reach them through this
// interface, which the program and the command line fill with them.
#pragma once

#include <filesystem>

#include "common/status.h"
#include "convert/unicode_document.h"
#include "editor/editor.h"

namespace quilm {

class DocumentEncodings {
 public:
  virtual ~DocumentEncodings() = default;
  // Read a file into the emptied document; a failure leaves it as it was.
  // `form` receives how the text file was written.
  virtual Status import_unicode(Editor& editor, const std::filesystem::path& path, TextFileForm& form) = 0;
  virtual Status import_iscii(Editor& editor, const std::filesystem::path& path) = 0;
  // Write the document; a failure leaves the file as it was.
  virtual Status save_unicode(Editor& editor, const std::filesystem::path& path, const UnicodeExport& how) = 0;
  virtual Status save_iscii(Editor& editor, const std::filesystem::path& path) = 0;
};

}  // namespace quilm
