#include "spell/word_bytes.h"

#include <array>

#include "encoding/byte_set.h"

#include "spell/word_bytes_tables.inc"

namespace quilm {

bool is_spell_word_byte(int font_index, std::uint8_t byte) {
  if (font_index < 0 || font_index >= static_cast<int>(kWordChars.size())) return false;
  return kWordChars[static_cast<std::size_t>(font_index)].contains(byte);
}

bool is_punctuation_like_word_byte(std::uint8_t byte) {
  static constexpr ByteSet kPunctuationLike{0x22, 0x27, 0x2B, 0x2F, 0x3A, 0x3B, 0x3C, 0x3E,
                                            0x3F, 0x5B, 0x5D, 0x60, 0x7B, 0x7D, 0x7E};
  return kPunctuationLike.contains(byte);
}

bool is_english_word_byte(std::uint8_t byte) { return (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z'); }

}  // namespace quilm
