// One key of the Romanised layout while its rules run: the context read at
// the caret, the font it types in, the previous Roman key, and the edits the
// rules make. Shared by romanised_layout.cpp and romanised_vowels.cpp.
#pragma once

#include <cstdint>
#include <string>

#include "typing/caret_context.h"
#include "typing/caret_edits.h"
#include "typing/keyboard.h"

namespace quilm::typing {

struct RomanisedKey {
  Keyboard& kb;
  CaretContext at;
  std::string font;          // the Quilm font that the key types in
  std::uint8_t previous;     // the previous Roman key
  bool forget = false;       // store 0 as the previous key after this one

  // A letter in the sense of the Romanised rules (0x83 is none).
  static bool is_letter(char16_t c);

  // The rules' edits. Each leaves the key to be dropped (they return 0).
  std::uint8_t insert(std::initializer_list<std::uint8_t> bytes);   // at the caret
  std::uint8_t replace_p1(std::initializer_list<std::uint8_t> bytes);
};

// Rule 5 of the layout, the vowel keys i I U A E O a u y e o (romanised_vowels.cpp).
bool is_vowel_key(std::uint8_t key);
std::uint8_t vowel_key(RomanisedKey& k, std::uint8_t key);

}  // namespace quilm::typing
