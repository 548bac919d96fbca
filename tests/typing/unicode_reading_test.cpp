// Words typed phonetically in the Romanised layout, read as Unicode: what a
// Punjabi typist sees on the screen.
#include <gtest/gtest.h>

#include "encoding/utf16.h"
#include "fonts/conversion.h"
#include "typing/unicode_reading.h"
#include "tests/typing/typist.h"

namespace quilm::typing::test {
namespace {

TEST(UnicodeReading, WordsTypedPhonetically) {
  const struct {
    const char* keys;
    const char* unicode;
  } cases[] = {
      {"paNjaabee", "ਪੰਜਾਬੀ"},
      {"sat sRee akaal", "ਸਤ ਸ੍ਰੀ ਅਕਾਲ"},
      {"guroo", "ਗੁਰੂ"},
      {"kitaab", "ਕਿਤਾਬ"},
      {"maiN", "ਮੈਂ"},
      {"ghar", "ਘਰ"},
      {"pakkaa", "ਪੱਕਾ"},
      {"viaah", "ਵਿਆਹ"},
      {"pRi", "ਪ੍ਰਿ"},
      {"jo othe", "ਜੋ ਓਥੇ"},
      {"saare ethe", "ਸਾਰੇ ਏਥੇ"},
      {"ik", "ਇਕ"},
      {"uh", "ਉਹ"},
      {"aauNdaa", "ਆਉਂਦਾ"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.keys);
    Typist t(kRomanisedLayout);
    t.type(c.keys);
    const FontConverter converter(t.conversion);
    EXPECT_EQ(to_utf8(runs_as_unicode(t.editor.Runs(), t.fonts, converter)), c.unicode);
  }
}

}  // namespace
}  // namespace quilm::typing::test
