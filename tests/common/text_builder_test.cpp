// The text builder keeps exactly what was written, in order, however far
// writing runs past the size it was first given.
#include "common/text_builder.h"

#include <gtest/gtest.h>

#include <string>

#include "common/bytes.h"

namespace quilm {
namespace {

TEST(Utf16BuilderTest, KeepsWhatWasWrittenPastTheExpectedSize) {
  Utf16Builder out(2);
  std::u16string expected;
  for (int i = 0; i < 300; ++i) {
    const char16_t c = static_cast<char16_t>(0x0A05 + i % 40);
    if (i % 3 == 0) {
      out.push(c);
      expected += c;
      continue;
    }
    // Ask for more room than is used, as the writers do.
    char16_t* cursor = out.room(9);
    *cursor++ = c;
    *cursor++ = u' ';
    out.advance_to(cursor);
    expected += c;
    expected += u' ';
  }
  out.append(u"ਅੰਤ");
  expected += u"ਅੰਤ";
  EXPECT_EQ(out.take(), expected);
}

TEST(Utf16BuilderTest, RoomLeftUnusedIsNotPartOfTheText) {
  Utf16Builder out;
  out.advance_to(out.room(100));
  out.push(u'a');
  out.room(50);
  EXPECT_EQ(out.take(), u"a");
}

TEST(Utf16BuilderTest, TakeLeavesTheBuilderEmpty) {
  Utf16Builder out(8);
  out.append(u"ਪਹਿਲਾ");
  EXPECT_EQ(out.take(), u"ਪਹਿਲਾ");
  out.append(u"ਦੂਜਾ");
  EXPECT_EQ(out.take(), u"ਦੂਜਾ");
}

TEST(TextBuilderTest, WritesOnAfterTheTextItIsGiven) {
  Bytes text = "kept ";
  text.reserve(64);
  ByteBuilder out(std::move(text));
  char* cursor = out.room(40);
  *cursor++ = 'a';
  out.advance_to(cursor);
  out.append("bc");
  EXPECT_EQ(out.take(), "kept abc");
}

}  // namespace
}  // namespace quilm
