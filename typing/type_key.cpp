// Typing a key into the editor.
#include "typing/type_key.h"

#include "typing/key_press.h"

namespace quilm::typing {
namespace {

constexpr char16_t kBackspace = 0x08;

void backspace(Editor& editor) {
  if (editor.SelLength() == 0) {
    const int caret = editor.SelStart();
    if (caret == 0) return;
    editor.Select(caret - 1, 1);
  }
  editor.SetSelText(u"");
}

}  // namespace

bool type_printable_key(Keyboard& kb, char16_t key) {
  if (key > 0xFF) return false;
  const std::uint8_t glyph = richedit1KeyPress(kb, static_cast<std::uint8_t>(key));
  if (key <= 0x20) return false;
  if (glyph != 0) kb.editor.SetSelText(std::u16string(1, static_cast<char16_t>(glyph)));
  return true;
}

void type_key(Keyboard& kb, char16_t key) {
  if (type_printable_key(kb, key)) return;
  if (key == kBackspace) {
    backspace(kb.editor);
  } else {
    kb.editor.SetSelText(std::u16string(1, key == u'\n' ? kParagraphBreak : key));
  }
}

void type_keys(Keyboard& kb, std::u16string_view keys) {
  for (char16_t key : keys) type_key(kb, key);
}

}  // namespace quilm::typing
