// The on-screen keyboard: four rows of buttons below the tool bar, each
// inserting glyphs of the Quilm encoding (font index 35) where the user is
// typing. The buttons are data (onscreen_keys.cpp); the hints, which tell
// how to type a button's glyphs in the current keyboard layout, follow
// from them.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "common/bytes.h"
#include "fonts/conversion.h"

namespace quilm::typing {

inline constexpr std::string_view kKeyboardFont = "Quilm2010";
inline constexpr std::string_view kSubjoinedSignFont = "Morvend_P";

struct OnscreenKey {
  int number;                  // the button SpeedButton<number>
  int row;                     // 1 to 4, top to bottom
  std::string_view inserts;    // Quilm bytes
  std::string_view caption;    // what the button shows, Quilm bytes; empty: `inserts`
  bool subjoined_font;         // drawn in Morvend_P instead of Quilm2010
  std::string_view romanised;  // the hint in the Romanised layout; empty: none fixed
  std::string_view hint_text;  // the Quilm text the hints of other layouts show; empty: `inserts`
  std::string_view quilm_keys;  // the keys of a dotted letter in the Quilm encoding (letter, nukta)
};

// Every button, row by row, left to right.
std::span<const OnscreenKey> onscreen_keys();
// The button SpeedButton<number>, if the keyboard has one.
const OnscreenKey* onscreen_key(int number);
Bytes key_caption(const OnscreenKey& key);

// initialise_hints for one button: in the Romanised layout its fixed
// phonetic hint; otherwise the keys that give its glyphs in font index
// `font_index` (with the nukta key for the dotted letters in the Quilm
// encoding itself), as bytes of that font. None for a button that keeps the
// hint it has (the frequent words; buttons without a Romanised hint).
std::optional<Bytes> onscreen_hint(const OnscreenKey& key, int keyboard_layout, int font_index,
                                   const FontConverter& converter);

}  // namespace quilm::typing
