// What the main window knows about the document in the editor: its name,
// whether it has a file yet, whether it changed, and how Save writes it.
#pragma once

#include <string>

#include <optional>

#include "convert/text_file_form.h"
#include "editor/editor.h"

namespace quilm {

inline constexpr const char* kProgramTitle = "Quilm 2010";

struct DocumentState {
  std::string name = kProgramTitle;  // the main window's caption
  bool untitled = true;
  bool modified = false;
  FormatCode save_format = FormatCode::Rtf;
  bool iscii_mode = false;
  // A text file the Import read: Save writes the document back to it as
  // Unicode text in the file's own encoding and line ends.
  std::optional<TextFileForm> text_form;
  bool cancelled = false;
  // The "&Save" command: off after Import, until Open or Save As gives the
  // document a file of its own format.
  bool save_enabled = true;
};

}  // namespace quilm
