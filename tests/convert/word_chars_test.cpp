// The word-character sets of the document conversion, against rows of the
// table as the font conversion documents it.
#include <gtest/gtest.h>

#include "convert/word_chars.h"

namespace quilm {
namespace {

TEST(WordChars, TableRowsAsCompiled) {
  struct Case {
    int font;
    std::size_t count;
    std::vector<int> in, out;
  };
  const Case cases[] = {
      // 2 (AnmolLipi): 26 2D 3C 3E 41-5A 5C 5E 60-7A 7C 7E 83 86 88 98 9C A1 A8 AE B0 B4-B7 C5-C7 CD CF D8 E5-E7 F1-FB
      {2, 94, {0x26, 0x41, 0x5A, 0x5C, 0xB7, 0xF1, 0xFB}, {0x20, 0x5B, 0x5D, 0x7B, 0xB8, 0xFC}},
      // 22 (Satluj): 1E 2D 7A 95 A6-A7 A9-AC AE-C9 CB-CC CE-CF D4-FF
      {22, 86, {0x1E, 0x7A, 0xA6, 0xC9, 0xD4, 0xFF}, {0x41, 0xA8, 0xCA, 0xCD, 0xD3}},
      // 33 and 50 share one row: 6D-7C 7E, without the 7D that the row of 9 holds.
      {33, 0, {0x7C, 0x7E}, {0x7D}},
      {50, 0, {0x7C, 0x7E}, {0x7D}},
      {8, 0, {}, {0x41}},
      {13, 0, {}, {0x41}},
      {30, 0, {}, {0x41}},
      {70, 0, {}, {0x41}},
      {-1, 0, {}, {0x41}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.font);
    if (c.count) {
      EXPECT_EQ(word_char_count(c.font), c.count);
    }
    for (int b : c.in) EXPECT_TRUE(is_word_char(c.font, static_cast<std::uint8_t>(b))) << std::hex << b;
    for (int b : c.out) EXPECT_FALSE(is_word_char(c.font, static_cast<std::uint8_t>(b))) << std::hex << b;
  }
  EXPECT_EQ(word_char_count(8) + word_char_count(13) + word_char_count(30), 0u);
  EXPECT_EQ(word_char_count(33), word_char_count(50));
}

}  // namespace
}  // namespace quilm
