// The Roman-to-Gurmukhi rules of both engines, checked on the Gurmukhi they
// write (as Unicode, after the ordering and repair of the word).
#include <gtest/gtest.h>

#include <string>

#include "encoding/unicode_output.h"
#include "encoding/utf16.h"
#include "roman/roman_normalise.h"
#include "roman/roman_rules.h"

namespace quilm {
namespace {

std::string spelled(std::string_view roman, RomanEngine engine = RomanEngine::Full) {
  return to_utf8(GurToUnicode(spell_roman_by_rules(roman, engine)));
}

struct Case {
  const char* roman;
  const char* gurmukhi;
};

TEST(RomanRules, SpellWordsByPosition) {
  const Case cases[] = {
      {"gaya", "ਗਾਇਆ"},      // normalised to gaaiaa first
      {"a", "ਅ"},            {"aa", "ਆ"},     {"i", "ਇ"},      {"u", "ਉ"},       {"o", "ਓ"},
      {"kar", "ਕਰ"},         // a between consonants is the inherent vowel
      {"kara", "ਕਰਾ"},       // a final a is kanna
      {"khat", "ਖਤ"},        {"akh", "ਅਖ"},   {"cat", "ਕਤ"},   {"chal", "ਚਲ"},  {"chhat", "ਛਤ"},
      {"rakkha", "ਰੱਖਾ"},     // kkh: addak and KHA
      {"kammi", "ਕੰਮੀ"},      // mm: tippi and MA
      {"unna", "ਉੱਨਾ"},       // nn after an initial u: addak
      {"kitthe", "ਕਿੱਥੇ"},     {"khaana", "ਖਾਨਾ"}, {"pyar", "ਪਿਆਰ"}, {"tusi", "ਤੁਸੀ"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.roman);
    EXPECT_EQ(spelled(c.roman), c.gurmukhi);
  }
}

TEST(RomanRules, EmptyWordGivesNothing) {
  EXPECT_EQ(spell_roman_by_rules("", RomanEngine::Full), "");
  EXPECT_EQ(spell_roman_by_rules("", RomanEngine::Simple), "");
}

// The -pinder- of the simple engine is written in sound order like every
// other rule, so the ordering moves its sihari once: ਪਿੰ, not ਰਿਪੰ.
TEST(RomanRules, SimpleEnginePinderKeepsSihariOnPa) {
  EXPECT_EQ(spelled("harpinderjit", RomanEngine::Simple), "ਹਰਪਿੰਦਰਜੀਤ");
  EXPECT_EQ(spelled("harpinder", RomanEngine::Full), "ਹਰਪਿੰਦਰ");  // the full engine's -indr
}

TEST(RomanRules, SimpleEngineReadsTheGenerationMarks) {
  const Case cases[] = {
      {"Xk", "ਅਕ"},           // X is A only in the simple engine
      {"kuriaN", "ਕੁਰਿਆਂ"},    // iaN at the end
      {"paaN", "ਪਾਂ"},         // aN at the end
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.roman);
    EXPECT_EQ(spelled(c.roman, RomanEngine::Simple), c.gurmukhi);
  }
}

TEST(RomanNormalisation, RewritesEndingsAndClusters) {
  const Case cases[] = {
      {"gaya", "gaaiaa"}, {"nation", "nashn"}, {"kuldip", "kuldeep"}, {"piir", "peer"}, {"suur", "soor"},
      {"ranjit", "ranjeet"}, {"jatinder", "jatindr"}, {"pyara", "piara"}, {"dhyan", "dhian"}, {"ticket", "tikket"},
      {"hay", "he"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.roman);
    EXPECT_EQ(normalise_roman(c.roman), c.gurmukhi);
  }
}

// Whatever bytes come in, the walk ends, reads nothing past the word and
// writes a bounded result.
TEST(RomanRules, AnyBytesGiveABoundedSpelling) {
  std::string all;
  for (int b = 1; b < 256; ++b) all += static_cast<char>(b);
  for (const std::string& word : {all, std::string("eeeeeeeeeeeeeeee"), std::string("x"), std::string("h"),
                                  std::string("aaiaaiaai"), std::string("pinde"), std::string("indr")}) {
    for (RomanEngine engine : {RomanEngine::Full, RomanEngine::Simple}) {
      SCOPED_TRACE(word);
      EXPECT_LE(spell_roman_by_rules(word, engine).size(), 5 * word.size() + 8);
    }
  }
}

}  // namespace
}  // namespace quilm
