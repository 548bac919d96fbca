#include "translit/roman_tables.h"

#include <array>
#include <string_view>

#include "encoding/byte_set.h"
#include "translit/roman_letters_tables.inc"
#include "translit/roman_word_chars_tables.inc"

namespace quilm {

const ByteSet& roman_word_chars(int font_index) {
  static constexpr ByteSet kNone;
  if (font_index < 0 || font_index >= static_cast<int>(kWordChars.size())) return kNone;
  return kWordChars[static_cast<std::size_t>(font_index)];
}

bool is_roman_word_char(int font_index, std::uint8_t byte) { return roman_word_chars(font_index).contains(byte); }

bool has_roman_word_chars(int font_index) {
  if (font_index < 0 || font_index >= static_cast<int>(kWordChars.size())) return false;
  return !kWordChars[static_cast<std::size_t>(font_index)].empty();
}

void append_roman_letter(std::uint8_t pivot_byte, std::string& out) {
  if (pivot_byte == 0) return;
  const std::string_view letter = kRomanLetter[pivot_byte];
  if (letter.empty()) {
    out += static_cast<char>(pivot_byte);
  } else {
    out += letter;
  }
}

void append_aspirate_base(std::uint8_t pivot_byte, std::string& out) {
  const std::string_view base = kAspirateBase[pivot_byte];
  if (base.empty()) {
    append_roman_letter(pivot_byte, out);
  } else {
    out += base;
  }
}

}  // namespace quilm
