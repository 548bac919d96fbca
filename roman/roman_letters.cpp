#include "roman/roman_letters.h"

#include <array>
#include <string_view>

#include "roman/roman_letters_tables.inc"

namespace quilm {

void append_roman_to_pivot_letter(RomanEngine engine, std::uint8_t roman, Bytes& out) {
  const std::string_view letter = engine == RomanEngine::Full ? kLetter[roman] : kSimpleLetter[roman];
  if (letter.empty()) {
    out += static_cast<char>(roman);
  } else {
    out += letter;
  }
}

std::uint8_t roman_aspirate(RomanEngine engine, std::uint8_t roman) {
  const std::string_view aspirate = engine == RomanEngine::Full ? kAspirate[roman] : kSimpleAspirate[roman];
  return aspirate.empty() ? 0 : static_cast<std::uint8_t>(aspirate.front());
}

}  // namespace quilm
