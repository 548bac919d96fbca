// Gurmukhi numerals in place of ASCII digits.
#include "fonts/gurmukhi_digits.h"

#include <gtest/gtest.h>

namespace quilm {
namespace {

TEST(GurmukhiDigits, AsciiDigitsBecomeGurmukhiNumerals) {
  const struct {
    const char* label;
    std::u16string text;
    std::size_t from;
    std::u16string expected;
  } cases[] = {
      {"every digit", u"0123456789", 0, u"\u0A66\u0A67\u0A68\u0A69\u0A6A\u0A6B\u0A6C\u0A6D\u0A6E\u0A6F"},
      {"a verse number between dandas", u"\u0A651\u0A65", 0, u"\u0A65\u0A67\u0A65"},
      {"letters, signs and Gurmukhi numerals stay", u"a-/:\u0A67 12", 0, u"a-/:\u0A67 \u0A67\u0A68"},
      {"text before `from` stays", u"12 34", 3, u"12 \u0A69\u0A6A"},
      {"`from` past the end", u"12", 5, u"12"},
      {"empty", u"", 0, u""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    std::u16string text = c.text;
    use_gurmukhi_digits(text, c.from);
    EXPECT_EQ(text, c.expected);
  }
}

}  // namespace
}  // namespace quilm
