// A text file in the in-memory editor, for the subcommands that search and
// change text through the editor interface as the program's windows do:
// UTF-8 Unicode in a font that is not Gurmukhi, or with --font the bytes of
// a Gurmukhi font in that font. The file's line breaks are remembered, so
// that the text written back has the same ones.
#pragma once

#include <optional>
#include <string>

#include "common/bytes.h"
#include "editors/memory_editor.h"
#include "fonts/registry.h"

namespace quilm::cli {

// The font name of Unicode text in these documents.
inline constexpr const char* kUnicodeTextFont = "Arial Unicode MS";

class TextDocument {
 public:
  // `font` is the --font argument (a font name or index; empty: UTF-8).
  // False after a one-line message naming `command` when it names no
  // Gurmukhi font.
  bool use_font(const char* command, const std::string& font, const FontRegistry& registry);
  // Reads the file (standard input for "-") in the font chosen. False after
  // a one-line message naming `command` when it cannot be read or is not
  // UTF-8.
  bool load(const char* command, const std::string& file, const FontRegistry& registry);

  MemoryEditor& editor() { return editor_; }
  const std::string& font_name() const { return font_name_; }
  bool is_unicode() const { return font_name_ == kUnicodeTextFont; }

  // The document's text in the file's encoding and line breaks.
  Bytes text() const;
  // Characters of the document's encoding as the file writes them.
  Bytes encoded(std::u16string_view text) const;

 private:
  MemoryEditor editor_;
  std::string font_name_ = kUnicodeTextFont;
  Bytes line_break_ = "\n";
};

}  // namespace quilm::cli
