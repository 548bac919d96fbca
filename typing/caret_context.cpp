// Reading the characters around the caret.
#include "typing/caret_context.h"

namespace quilm::typing {

char16_t CaretContext::at(Slot slot) const {
  const auto i = static_cast<std::size_t>(slot);
  return i < before.size() ? before[i] : after[i - before.size()];
}

CaretContext read_caret_context(const Editor& editor) {
  const std::u16string text = editor.Text();
  const int length = static_cast<int>(text.size());
  CaretContext c;
  c.caret = editor.SelStart();
  for (int i = 0; i < 4; ++i) {
    const int position = c.caret - 1 - i;
    if (position >= 0 && position < length) c.before[static_cast<std::size_t>(i)] = text[static_cast<std::size_t>(position)];
  }
  const int following = length - c.caret;
  if (following >= 2) c.after[0] = text[static_cast<std::size_t>(c.caret)];
  if (following >= 3) c.after[1] = text[static_cast<std::size_t>(c.caret + 1)];
  return c;
}

}  // namespace quilm::typing
