// What the font conversion commands need of the program around them: the
// Gurmukhi font-name table, the conversion context that every conversion
// shares (the typing flag and the writer context), the default fonts of the
// settings as they stand when a conversion starts, and the font index on which
// the last whole-document conversion ended, kept from one run to the next.
#pragma once

#include <functional>

#include "convert/document_context.h"
#include "fonts/conversion_context.h"
#include "fonts/registry.h"

namespace quilm {

struct FontConversionContext {
  const FontRegistry& fonts;
  ConversionContext& conversion;
  std::function<DefaultFonts()> default_fonts;
  int& last_word_font_index;

  DocumentContext document(Editor& editor, const FontConverter& converter, Prompter& prompter) const {
    return DocumentContext{editor, fonts, converter, prompter, default_fonts()};
  }
};

}  // namespace quilm
