// A document on the in-memory editor with the converter and prompter that the
// document routines take, and text in AnmolLipi (font index 2) to fill it.
#pragma once

#include <string>

#include "editors/memory_editor.h"
#include "convert/document_context.h"
#include "tests/support/fake_prompter.h"

namespace quilm::test {

struct DocumentFixture {
  MemoryEditor editor;
  FontRegistry fonts;
  ConversionContext conversion;
  FontConverter converter{conversion};
  FakePrompter prompter;
  DocumentContext context{editor, fonts, converter, prompter, {}};

  // Appends `text` (bytes as characters U+0000..U+00FF, or Unicode) in `font`.
  void add(const std::u16string& text, const std::string& font) {
    editor.SetSelStart(editor.TextLength());
    FormatChange f;
    f.font_name = font;
    editor.ApplyFormat(f);
    editor.SetSelText(text);
  }
  void add_bytes(BytesView bytes, const std::string& font) {
    std::u16string text;
    for (char c : bytes) text.push_back(static_cast<unsigned char>(c));
    add(text, font);
  }
};

}  // namespace quilm::test
