// The walk over the document that the exports share: the characters of a
// Gurmukhi font from 0x21 up form words, each in one font; every other
// character stands alone. Walking the editor's runs is the same as
// selecting each character and reading its font, only fast.
#pragma once

#include <functional>
#include <string_view>

#include "common/bytes.h"
#include "convert/document_context.h"

namespace quilm {

struct DocumentWalker {
  // A word of glyph bytes and the font index of its font.
  std::function<void(BytesView word, int font)> word;
  // Any other character: a space, a line end (a paragraph break arrives as
  // "\r\n", once), a character of a non-Gurmukhi font or above U+00FF.
  std::function<void(char16_t c)> other;
};

// Walks the document of `context.editor`, showing progress over its
// characters with `caption` through the prompter.
void walk_document(const DocumentContext& context, const std::string& caption, const DocumentWalker& walker);

}  // namespace quilm
