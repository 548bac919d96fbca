// convert_for_gurmukhi and its passes.
#include "encoding/lookup_normalisation.h"

#include <gtest/gtest.h>

#include <optional>

#include "tests/support/hex_text.h"

namespace quilm {
namespace {

using test::hex_text::bytes;
using test::hex_text::hex;

TEST(LookupNormalisationTest, LookupSpelling) {
  struct Case {
    const char* label;
    const char* in;
    const char* out;
    std::optional<bool> changed;
  };
  const Case cases[] = {
      // Every bindi glyph reaches the one lookup form 0x49, a lone 0x41 too:
      // newcases turns 0x41 into 0x49 before the late 0x41 -> 0x5F step could
      // see it, so a word is never known under one bindi glyph and unknown
      // under a look-alike.
      {"lone third bindi glyph", "41", "49", std::nullopt},
      {"lone second bindi glyph", "5F", "49", std::nullopt},
      {"bindi glyphs in a word", "65 6B 41", "65 6B 49", false},
      {"lone AA with bindi", "4B", "6B 49", std::nullopt},
      {"URA U joined by newcases leaves the flag clear", "54 5B 65", "A2 65", false},
      {"a doubled bindi sets the flag", "65 6B 49 49", "65 6B 49", true},
      {"two runs of doubled bindi", "65 49 49 6B 49 49", "65 49 6B 49", true},
      {"bindi before EE comes out after it", "65 49 2F", "65 2F 49", false},
      {"leading hyphen dropped", "2D 65 6B", "65 6B", false},
      {"trailing run of hyphens dropped", "65 6B 2D 2D", "65 6B", false},
      {"SA and nukta become SHA", "3B 61 6B", "46 6B", false},
      {"sign below before sign above", "65 5B 49", "65 49 5B", false},
      {"second addak glyph", "60 65", "5A 65", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    const LookupForm form = convert_for_gurmukhi(bytes(c.in));
    EXPECT_EQ(hex(form.word), c.out);
    EXPECT_EQ(form.changed, c.changed);
  }
}

TEST(LookupNormalisationTest, LongWordsAreCutTo55Bytes) {
  const Bytes word(70, '\x65');
  EXPECT_EQ(convert_for_gurmukhi(word).word.size(), kLookupWordCapacity);
}

TEST(LookupNormalisationTest, Passes) {
  EXPECT_EQ(hex(newspecialcases(bytes("68 51"))), "51 68");
  EXPECT_EQ(hex(newspecialcases(bytes("54 5A 5B"))), "A2 5A");
  EXPECT_EQ(hex(removing_extra_hyphen(bytes("65 2D 2D 2D 6B"))), "65 2D 6B");
  EXPECT_EQ(hex(specialcharacters(bytes("49 2F 3F"))), "2F 3F 49");
  EXPECT_EQ(hex(specialcharacters(bytes("62 6B 61"))), "E6 6B");
}

}  // namespace
}  // namespace quilm
