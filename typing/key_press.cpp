// The key-press hook: which layout and which checks a key goes through.
#include "typing/key_press.h"

#include "fonts/font_index.h"
#include "typing/layout_conversion.h"
#include "typing/legal_check.h"
#include "typing/romanised_layout.h"

namespace quilm::typing {

std::uint8_t richedit1KeyPress(Keyboard& kb, std::uint8_t key) {
  if (key <= 0x20) {
    kb.state.previous_roman_key = 0;
    return key;
  }
  if (!kb.state.punjabi) return key;
  const std::string font = kb.editor.FontName();
  const int font_index = kb.fonts.get_font_index(font);
  const int layout = kb.state.keyboard_layout;
  if (layout == kRomanisedLayout) return romanised_key(kb, key, font_index);
  if (kb.check_option && layout == kDefaultLayout && font_index == font_index::kQuilm) key = check_quilm(kb, key);
  if (font_index == 2 || font_index == 3) key = check_font_2_3(kb, key);
  if (layout >= 0 && kb.fonts.check_font_punjabi(font)) key = key_from_layout(kb, key, layout, font_index);
  return key;
}

void richedit1Enter(ConversionContext& conversion) { conversion.typing = true; }

}  // namespace quilm::typing
