// The Unicode and ISCII files of the File menu done by the encoding
// subsystem's document conversions, with the workspace's font table,
// converter and default fonts.
#pragma once

#include "app/document/document_encodings.h"
#include "app/workspace.h"
#include "common/prompter.h"

namespace quilm {

class ConvertingEncodings final : public DocumentEncodings {
 public:
  ConvertingEncodings(Workspace& workspace, Prompter& prompter) : ws_(workspace), prompter_(prompter) {}

  Status import_unicode(Editor& editor, const std::filesystem::path& path, TextFileForm& form) override;
  Status import_iscii(Editor& editor, const std::filesystem::path& path) override;
  // The document commands show a failure, so these only return it.
  Status save_unicode(Editor& editor, const std::filesystem::path& path, const UnicodeExport& how) override;
  Status save_iscii(Editor& editor, const std::filesystem::path& path) override;

 private:
  Workspace& ws_;
  Prompter& prompter_;
};

}  // namespace quilm
