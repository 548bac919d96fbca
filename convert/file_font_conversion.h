// "Convert Font": the font conversion of a file on disk.
//
// The file is loaded into a text control of its own (never the user's
// document). A file that names its fonts (RTF, .pbi, HTML, Word) is
// converted run by run as "Change Font" converts the document in the editor:
// each Gurmukhi run from its own font (or the chosen one), every other run
// left as it is, all formatting kept. Plain text has no fonts: its Gurmukhi
// font is found by scan detection or taken from the user's choice, and the
// text converted paragraph by paragraph with format off, so that a
// conversion from a font into itself copies it. The file is written in the
// format of the destination file's type, and the user is told what was
// written.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "editors/memory_editor.h"
#include "common/prompter.h"
#include "fonts/conversion.h"
#include "convert/font_conversion_result.h"
#include "fonts/registry.h"

namespace quilm {

struct FileConversionChoice {
  std::filesystem::path source_file;
  std::filesystem::path destination_file;
  std::string source_font{kAutomaticDetection};  // a font name or "Automatic Detection"
  std::string destination_font = "Quilm2010";
};

// The "Source Font" list of the file conversion: the font drop-down list with
// "Automatic Detection", less "Morvend_R" and the "Punjabi Typewriter" names.
std::vector<std::string> file_conversion_source_fonts(const FontRegistry& registry);

class FontFileConversion {
 public:
  // `converter`'s context is the workspace's; the typing-context flag is
  // switched off when a conversion starts.
  FontFileConversion(const FontRegistry& registry, const FontConverter& converter, Prompter& prompter);

  // The dialog is activated: no file is loaded and the file type is unset.
  void Activate();
  // "Browse..." of the source: loads the file in the format of its
  // extension, which becomes the file type. A failure is shown and leaves
  // nothing loaded.
  bool LoadSource(const std::filesystem::path& path);
  // "Browse..." of the destination: its extension sets the file type when
  // it names a known one.
  void ChooseDestination(const std::filesystem::path& path);

  // -1 until a file is loaded, then the editor format code it is saved in.
  int file_type() const { return file_type_ ? static_cast<int>(*file_type_) : -1; }
  bool loaded() const { return loaded_.has_value(); }

  // "&Convert": loads the source file when it is not the one loaded, finds
  // the source font, converts and writes the destination file in the format
  // of its extension (the file type when the extension names none).
  // Refused, with "<name>   NOT Supported" and nothing written, when the
  // source font has no reader or the destination font no writer; refused
  // too when the destination is the source file and the user, asked, says no.
  FontConversionResult Convert(const FileConversionChoice& choice);

 private:
  FontConversionResult convert_plain_text(const FileConversionChoice& choice, int destination);
  FontConversionResult convert_runs(const FileConversionChoice& choice);
  bool may_write(const FileConversionChoice& choice);
  FontConversionResult write_result(const FileConversionChoice& choice, long words);
  std::u16string converted_text(int source, int destination);

  const FontRegistry& registry_;
  const FontConverter& converter_;
  Prompter& prompter_;
  MemoryEditor text_;  // the dialog's hidden text control
  std::optional<FormatCode> file_type_;
  std::optional<std::filesystem::path> loaded_;
};

}  // namespace quilm
