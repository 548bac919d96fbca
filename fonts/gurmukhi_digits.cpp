#include "fonts/gurmukhi_digits.h"

namespace quilm {

void use_gurmukhi_digits(std::u16string& text, std::size_t from) {
  for (std::size_t i = from; i < text.size(); ++i)
    if (text[i] >= u'0' && text[i] <= u'9') text[i] = static_cast<char16_t>(kGurmukhiDigitZero + (text[i] - u'0'));
}

}  // namespace quilm
