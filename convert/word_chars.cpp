#include "convert/word_chars.h"

#include <array>

#include "encoding/byte_set.h"
#include "convert/word_chars_tables.inc"

namespace quilm {
namespace {

const ByteSet& word_chars(int font_index) {
  static constexpr ByteSet kNone;
  if (font_index < 0 || font_index >= static_cast<int>(kWordChars.size())) return kNone;
  return kWordChars[static_cast<std::size_t>(font_index)];
}

}  // namespace

bool is_word_char(int font_index, std::uint8_t byte) { return word_chars(font_index).contains(byte); }

std::size_t word_char_count(int font_index) { return word_chars(font_index).size(); }

}  // namespace quilm
