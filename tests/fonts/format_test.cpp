// The two clean-up passes: Format_for_Gurmukhi on pivot text between reader
// and writer, Format_for_Quilm on the Quilm writer's output.
#include <gtest/gtest.h>

#include "fonts/format_for_gurmukhi.h"
#include "fonts/format_for_quilm.h"
#include "tests/fonts/conversion_hex.h"

namespace quilm {
namespace {

using test::hex;
using test::to_hex;

struct Case {
  const char* label;
  const char* input;
  const char* expected;
};

TEST(FormatForGurmukhi, TidiesPivotText) {
  const Case cases[] = {
      {"empty", "", ""},
      {"the underscore bindi becomes 0x49", "5F", "49"},
      {"NA, dulainkar, tippi become the ligature", "42 7B 7A", "7E"},
      {"a letter before a lower sign keeps its place", "69 50", "69 50"},
      {"an upper sign goes after a lower sign", "41 50", "50 41"},
      {"and on past every lower sign after it", "41 50 5B", "50 5B 41"},
      {"the unified bindi moves as well", "65 5F 5B", "65 5B 49"},
      {"addak after the AI sign is raised", "3F 5A", "3F 60"},
      {"addak two after ura is raised", "54 65 5A", "54 65 60"},
      {"a raised addak still goes after a lower sign", "3F 5A 5B", "3F 5B 60"},
      {"addak elsewhere stays", "65 5A", "65 5A"},
      {"the ligature forms after the signs are ordered", "42 7A 7B", "7E"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.label) + " [" + c.input + "]");
    EXPECT_EQ(to_hex(Format_for_Gurmukhi(hex(c.input))), c.expected);
  }
}

TEST(FormatForQuilm, PutsInCompositeGlyphs) {
  const Case cases[] = {
      {"empty", "", ""},
      {"kanna and bindi", "77 4E", "A2"},
      {"SA and nukta", "73 4C", "C8"},
      {"JA and nukta", "6A 4C", "CB"},
      {"KHA and nukta", "4B 4C", "C9"},
      {"GA and nukta", "67 4C", "CA"},
      {"PHA and nukta", "50 4C", "CC"},
      {"LA and nukta", "6C 4C", "DC"},
      {"another letter keeps its nukta", "6B 4C", "6B 4C"},
      {"addak after the AI sign", "59 53", "59 A5"},
      {"addak two after ura", "61 6B 53", "61 6B A5"},
      {"addak elsewhere", "6B 53", "6B 53"},
      {"kanna at the end", "65 77", "65 77"},
      {"a nukta at the start", "4C 73", "4C 73"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.label) + " [" + c.input + "]");
    EXPECT_EQ(to_hex(Format_for_Quilm(hex(c.input))), c.expected);
  }
}

}  // namespace
}  // namespace quilm
