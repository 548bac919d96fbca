// ByteSet: the 256-bit sets in which byte classes are kept.
#include "encoding/byte_set.h"

#include <gtest/gtest.h>

namespace quilm {
namespace {

TEST(ByteSetTest, HoldsBytesAcrossAllFourWords) {
  constexpr ByteSet set{0x00, 0x3F, 0x40, 0x7F, 0x80, 0xBF, 0xC0, 0xFF};
  static_assert(set.size() == 8);
  for (int b = 0; b < 256; ++b) {
    SCOPED_TRACE(b);
    const bool member = b == 0x00 || b == 0x3F || b == 0x40 || b == 0x7F || b == 0x80 ||
                        b == 0xBF || b == 0xC0 || b == 0xFF;
    EXPECT_EQ(set.contains(static_cast<std::uint8_t>(b)), member);
  }
}

TEST(ByteSetTest, HighBytesGivenAsCharAreThemselves) {
  const ByteSet set{0xA8};
  EXPECT_TRUE(set.contains('\xA8'));
  EXPECT_FALSE(set.contains('\x28'));
}

TEST(ByteSetTest, UnionIntersectionAndErase) {
  ByteSet a{0x50, 0x51};
  const ByteSet b{0x51, 0x71};
  EXPECT_EQ(a | b, (ByteSet{0x50, 0x51, 0x71}));
  EXPECT_EQ(a & b, (ByteSet{0x51}));
  a.erase(0x50);
  EXPECT_EQ(a, (ByteSet{0x51}));
  EXPECT_TRUE(ByteSet{}.empty());
}

}  // namespace
}  // namespace quilm
