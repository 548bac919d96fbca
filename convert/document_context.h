// What the document conversions need besides the editor: the font registry
// (which fonts are Gurmukhi, their font indices), the converter, the
// prompter for captions, progress and messages, and the default fonts in
// which imported text is set.
#pragma once

#include <string>

#include "editor/editor.h"
#include "common/prompter.h"
#include "fonts/conversion.h"
#include "fonts/registry.h"

namespace quilm {

struct DefaultFonts {
  std::string punjabi = "Quilm2010";
  int punjabi_size = 16;
  std::string english = "Times New Roman";
  int english_size = 12;
  // The Unicode Gurmukhi font in which text converted into Unicode is set.
  std::string unicode{kUnicodeGurmukhiFont};
};

struct DocumentContext {
  Editor& editor;
  const FontRegistry& fonts;
  const FontConverter& converter;
  Prompter& prompter;
  DefaultFonts defaults;
};

}  // namespace quilm
