// The cleaning passes, convert_tippi_bindi, FormatGurmukhiString and
// RepairGurmukhiWord.
#include <gtest/gtest.h>

#include "encoding/cleaning.h"
#include "encoding/sound_order.h"
#include "encoding/tippi_bindi.h"
#include "tests/support/hex_text.h"

namespace quilm {
namespace {

using test::hex_text::bytes;
using test::hex_text::hex;

struct PassCase {
  const char* label;
  Bytes (*pass)(BytesView);
  const char* in;
  const char* out;
};

template <std::size_t N>
void expect_passes(const PassCase (&cases)[N]) {
  for (const PassCase& c : cases) {
    SCOPED_TRACE(c.label);
    EXPECT_EQ(hex(c.pass(bytes(c.in))), c.out);
  }
}

TEST(CleaningPassesTest, EachPass) {
  const PassCase cases[] = {
      {"alternate glyph spelt out", special_characters, "65 8C", "65 7A 5B"},
      {"0xE6 is LA and nukta", special_characters, "E6", "62 61"},
      {"0x26 dropped, next byte kept unexamined", removing_spaces, "26 26 65", "26 65"},
      {"0x26 last stays", removing_spaces, "65 26", "65 26"},
      {"U U becomes U", aunkar_dulankar, "65 5B 5B", "65 5B"},
      {"U UU becomes UU", aunkar_dulankar, "65 5B 7B", "65 7B"},
      {"UU U becomes UU", aunkar_dulankar, "65 7B 5B", "65 7B"},
      {"pairs are not looked at again", aunkar_dulankar, "5B 5B 5B", "5B 5B"},
      {"each bindi run shortened separately", removing_bindi, "65 49 49 6B 49 49", "65 49 6B 49"},
      {"0x26 removed after the bindi runs", removing_bindi, "49 26 49", "49 49"},
      {"EE and tippi runs", double_a, "2F 2F 7A 7A", "2F 7A"},
      {"subjoined letters doubled", double_a, "65 71 71", "65 71"},
      {"different signs stay", double_a, "2F 3F", "2F 3F"},
      {"nukta runs", removing_pairwalibindi, "3B 61 61 61", "3B 61"},
  };
  expect_passes(cases);
}

TEST(ConvertTippiBindiTest, NasalSignByWhatPrecedesIt) {
  const PassCase cases[] = {
      {"KA, bindi: tippi", convert_tippi_bindi, "65 49", "65 7A"},
      {"KA, AA, bindi: bindi", convert_tippi_bindi, "65 6B 49", "65 6B 49"},
      {"KA, bindi, AA: bindi behind AA", convert_tippi_bindi, "65 49 6B", "65 6B 49"},
      {"U after a consonant: tippi", convert_tippi_bindi, "65 5B 49", "65 5B 7A"},
      {"U after URA: bindi", convert_tippi_bindi, "54 5B 49", "54 5B 49"},
      {"subjoined letter: tippi", convert_tippi_bindi, "65 71 49", "65 71 7A"},
      {"letter OO: bindi", convert_tippi_bindi, "55 49", "55 49"},
  };
  expect_passes(cases);
}

TEST(SoundOrderTest, FormatAndRepair) {
  const PassCase cases[] = {
      {"sihari before its consonant", FormatGurmukhiString, "65 66", "66 65"},
      {"sihari before consonant and subjoined letter", FormatGurmukhiString, "65 71 66", "66 65 71"},
      {"no move after AA", FormatGurmukhiString, "65 6B 66", "65 6B 66"},
      // The addak rules come after the sihari placement: the new sihari stays.
      {"II before addak becomes sihari", FormatGurmukhiString, "65 68 5A 73", "65 66 5A 73"},
      {"UU before addak becomes U", FormatGurmukhiString, "65 7B 5A 73", "65 5B 5A 73"},
      {"a word that starts with AA gets A", RepairGurmukhiWord, "6B 65", "6E 6B 65"},
      {"sihari EE: EE, then the letter I", RepairGurmukhiWord, "66 2F", "4A 2F 66 4A"},
      {"second vowel sign gets its carrier", RepairGurmukhiWord, "65 6B 5B", "65 6B 54 5B"},
      {"OO alone becomes the letter OO", RepairGurmukhiWord, "27", "55"},
      {"U alone gets URA", RepairGurmukhiWord, "5B", "54 5B"},
      {"doubled A merged", RepairGurmukhiWord, "6E 6E 6B", "6E 6B"},
      {"tippi after a long vowel becomes bindi", RepairGurmukhiWord, "65 6B 7A", "65 6B 49"},
  };
  expect_passes(cases);
}

}  // namespace
}  // namespace quilm
