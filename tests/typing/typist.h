// A keyboard over an in-memory editor, for typing key sequences in tests and
// reading back the glyph bytes the editor holds.
#pragma once

#include <string>
#include <string_view>

#include "editors/memory_editor.h"
#include "fonts/conversion_context.h"
#include "fonts/registry.h"
#include "tests/support/fake_prompter.h"
#include "typing/key_press.h"
#include "typing/type_key.h"
#include "typing/typing_state.h"

namespace quilm::typing::test {

// "6B 4B": bytes as upper-case hexadecimal, space-separated.
std::string hex(std::u16string_view text);
// Keys typed on a Latin keyboard: each byte is one key.
std::u16string keys(std::string_view typed);

struct Typist {
  explicit Typist(int layout, const std::string& font = "Quilm2010", bool check = false);

  void type(std::string_view typed) { type_keys(kb, keys(typed)); }
  std::string text_hex() const { return hex(editor.Text()); }

  MemoryEditor editor;
  FontRegistry fonts;
  ConversionContext conversion;
  quilm::test::FakePrompter prompter;
  TypingState state;
  Keyboard kb;
};

}  // namespace quilm::typing::test
