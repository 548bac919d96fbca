// Typing with another font's key layout.
#include "typing/layout_conversion.h"

#include "fonts/conversion.h"
#include "typing/caret_edits.h"

namespace quilm::typing {

std::uint8_t key_from_layout(Keyboard& kb, std::uint8_t key, int layout, int font_index) {
  if (key == 0) return 0;
  kb.conversion.erase_before_caret = 0;
  const FontConverter converter(kb.conversion);
  const Bytes converted = converter.conversion(Bytes(1, static_cast<char>(key)), layout, font_index, false);
  if (kb.conversion.erase_before_caret > 0) {
    const WindowLock lock(kb.editor);
    erase_before_caret(kb.editor, kb.conversion.erase_before_caret);
  }
  kb.conversion.erase_before_caret = 0;
  return converted.empty() ? 0 : static_cast<std::uint8_t>(converted[0]);
}

}  // namespace quilm::typing
