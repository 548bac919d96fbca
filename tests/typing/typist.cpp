#include "tests/typing/typist.h"

namespace quilm::typing::test {

std::string hex(std::u16string_view text) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string out;
  for (char16_t c : text) {
    if (!out.empty()) out.push_back(' ');
    if (c > 0xFF) {
      out += "U+" + std::to_string(static_cast<int>(c));
      continue;
    }
    out.push_back(kDigits[c >> 4]);
    out.push_back(kDigits[c & 15]);
  }
  return out;
}

std::u16string keys(std::string_view typed) {
  std::u16string out;
  for (char c : typed) out.push_back(static_cast<char16_t>(static_cast<unsigned char>(c)));
  return out;
}

Typist::Typist(int layout, const std::string& font, bool check)
    : kb{editor, fonts, conversion, prompter, state, check} {
  state.keyboard_layout = layout;
  editor.SetFontName(font);
  richedit1Enter(conversion);
}

}  // namespace quilm::typing::test
