// The Gurmukhi-to-Roman rules on pivot words (pivot letters are ASCII, so
// the words are written as their bytes: "ekwb" is KA, kanna, MA, LA; "g" is
// PA, "p" is BA).
#include <gtest/gtest.h>

#include <map>

#include "translit/gurmukhi_to_roman.h"
#include "translit/roman_key.h"

namespace quilm::test {
namespace {

struct Case {
  const char* pivot;
  const char* roman;
  const char* why;
};

void expect_rules(const std::vector<Case>& cases) {
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.why) + ": " + c.pivot);
    EXPECT_EQ(transliterate_word(c.pivot, nullptr).roman, c.roman);
  }
}

TEST(RomanRules, InherentVowelsAndVowelSigns) {
  expect_rules({
      {"ekwb", "kaamal", "no inherent a after kanna, one before LA, none at the end"},
      {"e", "k", "a word of one consonant is its letter"},
      {"Jh", "i", "IRI and II sign at the start"},
      {"eJh", "kaee", "IRI and II sign after a consonant"},
      {"r[opkDh", "gurbaanhee", "gura before a consonant loses its a"},
      {"fesk", "kitaa", "sihari is spoken after its consonant"},
  });
}

TEST(RomanRules, AddakDoublesTheConsonantAfterIt) {
  expect_rules({
      {"gZek", "pakkaa", "before KA"},
      {"gZyk", "pakkhaa", "before KHA, an aspirate: its partner, then kh"},
      {"GZuk", "bhachaa", "before CA"},
  });
}

TEST(RomanRules, LigaturesAndGlyphVariants) {
  expect_rules({
      {"~", "noo", "NA-UU-tippi ligature"},
      {"B{z", "noo", "NA, UU, tippi loses the tippi"},
      {"g\x60" "ek", "pakkaa", "second glyph of addak"},
  });
}

// Words that end where a rule looks past them: nothing is read or moved
// beyond the end of the word.
TEST(RomanRules, RulesStopAtTheEndOfTheWord) {
  expect_rules({
      {"ef", "ki", "a final sihari stays at the end"},
      {"f", "i", "a sihari alone"},
      {"Z", "", "an addak with nothing to double"},
      {"eZ", "ka", "an addak at the end"},
      {"", "", "an empty word"},
  });
}

class OneException : public RomanExceptionLookup {
 public:
  std::map<Bytes, std::string> words;
  std::optional<std::string> find(BytesView key) override {
    auto it = words.find(Bytes(key));
    if (it == words.end()) return std::nullopt;
    return it->second;
  }
};

TEST(RomanRules, AStoredWordIsUsedAsItStandsUnderItsCanonicalKey) {
  OneException exceptions;
  // Stored under the canonical form: the second bindi glyph reads as the first.
  exceptions.words[roman_key("ekwA")] = "Kamaaiaaa";
  const RomanWord stored = transliterate_word("ekwA", &exceptions);
  EXPECT_EQ(stored.roman, "Kamaaiaaa");
  EXPECT_EQ(stored.source, RomanSource::Exception);
  const RomanWord spelled = transliterate_word("ekwI", &exceptions);
  EXPECT_EQ(spelled.source, RomanSource::Exception) << "bindi and its variant share one key";
  EXPECT_EQ(transliterate_word("ekw", &exceptions).source, RomanSource::Rules);
}

}  // namespace
}  // namespace quilm::test
