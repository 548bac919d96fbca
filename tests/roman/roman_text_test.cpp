// The spelling generation, the candidates of one word and the conversion
// of a Roman text.
#include <gtest/gtest.h>

#include <set>

#include "roman/english_forms.h"
#include "roman/roman_text.h"
#include "roman/spelling_generation.h"
#include "tests/roman/roman_fixture.h"

namespace quilm::test {
namespace {

TEST(SpellingVariants, AddakAndTippiAtEachPlace) {
  EXPECT_EQ(utf8_all(GenerateAddakForms(pivot("ਸਤ"))), (std::vector<std::string>{"ਸੱਤ"}));
  EXPECT_EQ(utf8_all(GenerateAddakForms(pivot("ਕਮ"))), (std::vector<std::string>{"ਕੰਮ"}));
  // KA then sihari and NA (sound order): tippi before the sihari, not addak.
  EXPECT_EQ(GenerateAddakForms("efB"), (std::vector<Bytes>{"ezfB"}));
  // The last letter has no letter after it to double; nothing is read past it.
  EXPECT_TRUE(GenerateAddakForms(pivot("ਸ")).empty());
  EXPECT_TRUE(GenerateAddakForms("").empty());
}

TEST(SpellingVariants, ChaBecomesCha) {
  EXPECT_EQ(utf8_all(GenerateChhForms(pivot("ਚਲ"))), (std::vector<std::string>{"ਛਲ"}));
  EXPECT_TRUE(GenerateChhForms(pivot("ਕਲ")).empty());
}

class Generation : public ::testing::Test {
 protected:
  RomanData data_;
};

TEST_F(Generation, KeepsOnlyConfirmedSpellingsWithinTheLimit) {
  set_known_words(data_.lexicon, {pivot("ਕੰਮ"), pivot("ਕਾਮ"), pivot("ਕਮ")});
  const std::vector<Bytes> forms = GenerateAllForms("kam", {pivot("ਕਮ")}, data_.known, 14);
  EXPECT_EQ(std::set<std::string>(forms.begin(), forms.end()), (std::set<Bytes>{pivot("ਕਾਮ"), pivot("ਕੰਮ")}));
  EXPECT_EQ(GenerateAllForms("kam", {}, data_.known, 1).size(), 1u);
  EXPECT_TRUE(GenerateAllForms("zzq", {}, data_.known, 14).empty());
}

TEST_F(Generation, FormListsStopAtTheirSize) {
  const std::string long_word = "aiaudtfloghbjnrkiuaiaudtfloghbjnrkiuaiaudtfloghbjnrkiu";
  EXPECT_LE(roman_forms(long_word, data_.known).size(), kMostRomanForms);
}

TEST(EndingForms, StemsTheDictionaryKnowsTakeTheEnding) {
  RomanDictionaries d;
  d.punjabi.add("kitab", pivot("ਕਿਤਾਬ"));
  d.english.add("school", pivot("ਸਕੂਲ"));
  d.english.add("play", pivot("ਪਲੇ"));
  EXPECT_EQ(utf8_all(CheckEnglishForms(d, "kitaban", {}, 14)), (std::vector<std::string>{"ਕਿਤਾਬਾਂ"}));
  EXPECT_EQ(utf8_all(CheckEnglishForms(d, "schools", {}, 14)), (std::vector<std::string>{"ਸਕੂਲਸ"}));
  EXPECT_EQ(utf8_all(CheckEnglishForms(d, "playing", {}, 14)), (std::vector<std::string>{"ਪਲੇਇੰਗ"}));
  EXPECT_TRUE(CheckEnglishForms(d, "kitaban", {pivot("ਕਿਤਾਬਾਂ")}, 14).empty());
  EXPECT_TRUE(CheckEnglishForms(d, "abs", {}, 14).empty());  // shorter than 4 letters
}

class RomanTextRun : public ::testing::Test {
 protected:
  RomanTextRun() {
    data_.dictionaries.punjabi.add("ghar", pivot("ਘਰ"));
    data_.dictionaries.punjabi.add("mera", pivot("ਮੇਰਾ"));
    for (const auto& [roman, name] : {std::pair{"u", "ਯੂ"}, {"s", "ਐਸ"}, {"a", "ਏ"}, {"dr", "ਡਾ"}})
      data_.abbreviations.add(roman, pivot(name));
  }
  // The text with each word's best spelling and the separators as bytes
  // (a danda written as "।").
  std::string converted(std::string_view text) {
    RomanWordContext context;
    std::string out;
    convert_roman_text(data_, text, context, [&](const RomanPiece& p) {
      if (p.roman.empty()) out += p.first_is_danda ? "।" + p.separators.substr(1) : p.separators;
      else out += utf8(p.candidates.front().pivot);
    });
    return out;
  }
  RomanData data_;
};

TEST_F(RomanTextRun, WordsSeparatorsAndFullStops) {
  const std::pair<const char*, const char*> cases[] = {
      {"mera ghar", "ਮੇਰਾ ਘਰ"},
      {"Mera, ghar.", "ਮੇਰਾ, ਘਰ।"},         // a full stop after a word is a danda
      {"ghar", "ਘਰ"},                       // the text ends in a letter
      {"  ghar \t", "  ਘਰ \t"},             // separators at both ends kept
      {"USA.", "ਯੂ.ਐਸ.ਏ."},                 // all capitals: letter by letter, one full stop at the end
      {"USA, ghar", "ਯੂ.ਐਸ.ਏ., ਘਰ"},
      {"Dr. ghar", "ਡਾ. ਘਰ"},               // a known abbreviation before a full stop
      {"ghar1ghar", "ਘਰ1ਘਰ"},
  };
  for (const auto& [text, gurmukhi] : cases) {
    SCOPED_TRACE(text);
    EXPECT_EQ(converted(text), gurmukhi);
  }
}

TEST_F(RomanTextRun, UnknownWordsFallBackToTheRules) {
  EXPECT_EQ(converted("kitthe"), "ਕਿੱਥੇ");
  const std::vector<RomanCandidate> c = roman_word_candidates(data_, "kitthe", {});
  ASSERT_EQ(c.size(), 1u);
  EXPECT_EQ(c[0].origin, RomanOrigin::Rules);
}

TEST_F(RomanTextRun, CandidatesNeverExceedTheirBound) {
  for (int i = 0; i < 40; ++i) data_.dictionaries.punjabi.add("sat", Bytes(1, static_cast<char>('a' + i)));
  EXPECT_EQ(roman_word_candidates(data_, "sat", {}).size(), kMostRomanCandidates);
}

}  // namespace
}  // namespace quilm::test
