// Gurmukhi numerals in Unicode text that came from a Gurmukhi font. The
// converter tables keep a legacy font's digit bytes as the ASCII digits
// 0-9, while the real fonts of several families draw ੦-੯ at those bytes;
// a user who wants the numerals the document shows asks for them.
#pragma once

#include <string>

namespace quilm {

inline constexpr char16_t kGurmukhiDigitZero = u'\u0A66';

// Every ASCII digit of `text` from position `from` on becomes the Gurmukhi
// digit of the same value; every other character stays.
void use_gurmukhi_digits(std::u16string& text, std::size_t from = 0);

}  // namespace quilm
