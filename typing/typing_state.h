// What typing keeps for the whole run: the keyboard layout setting, the
// language toggle and the previous Roman key. The workspace owns one
// TypingState; the key-press hook reads and updates it.
#pragma once

#include <cstdint>

namespace quilm::typing {

// The keyboard layout setting: Default, Romanised Punjabi, or (0 and up) the
// font index whose key layout is typed.
inline constexpr int kDefaultLayout = -1;
inline constexpr int kRomanisedLayout = -2;

struct TypingState {
  int keyboard_layout = kDefaultLayout;
  // The language toggle: in the Punjabi state the hook translates keys, in
  // the English state every key passes unchanged.
  bool punjabi = true;
  // The Roman key that the Romanised layout processed last, or 0 where a
  // rule forgot it (and at the start of every word).
  std::uint8_t previous_roman_key = 0;
};

}  // namespace quilm::typing
