// Candidate corrections and their ranking.
#include <gtest/gtest.h>

#include <algorithm>

#include "encoding/utf16.h"
#include "spell/lookup_form.h"
#include "spell/slip_distance.h"
#include "spell/spelling_keys.h"
#include "spell/suggestion_generators.h"
#include "spell/suggestion_ranking.h"
#include "spell/suggestion_round.h"
#include "spell/word_list_files.h"

namespace quilm {
namespace {

WordSections sections_of(const std::vector<Bytes>& words) {
  WordSections s(21);
  std::vector<Bytes> sorted = words;
  std::sort(sorted.begin(), sorted.end());
  for (const Bytes& w : sorted) s.append_loaded(std::min<int>(static_cast<int>(w.size()), 21), w);
  return s;
}

bool has(const std::vector<Bytes>& list, BytesView w) { return std::find(list.begin(), list.end(), w) != list.end(); }

// A Unicode word in lookup form.
Bytes pivot(std::u16string_view unicode) { return punjabi_lookup_word(unicode_word_to_pivot(unicode)).word; }

class Generators : public ::testing::Test {
 protected:
  std::vector<Bytes> run(LookupMode mode, BytesView word, void (SuggestionGenerators::*generator)(BytesView)) {
    SuggestionList list;
    SuggestionGenerators g(lexicon, mode, list);
    (g.*generator)(word);
    special = list.special_index;
    return list.entries();
  }
  SpellLexicon lexicon;
  int special = -1;
};

TEST_F(Generators, EditsFindKnownWordsAndTheWordItselfOnce) {
  lexicon.set_main_list(sections_of({"ekw", "ezkw", "ew", "eko"}));
  const std::vector<Bytes> subst = run(LookupMode::Punjabi, "ekw", &SuggestionGenerators::suggestion_substitute);
  EXPECT_EQ(subst, (std::vector<Bytes>{"ekw", "eko"}));  // the identity replacement first
  EXPECT_EQ(run(LookupMode::Punjabi, "ekx", &SuggestionGenerators::suggestion_substitute), (std::vector<Bytes>{"eko", "ekw"}));
  EXPECT_EQ(run(LookupMode::Punjabi, "ezw", &SuggestionGenerators::suggestion_missingchar), (std::vector<Bytes>{"ezkw"}));
  EXPECT_EQ(run(LookupMode::Punjabi, "ekww", &SuggestionGenerators::suggestion_extrachar), (std::vector<Bytes>{"ekw"}));
  EXPECT_TRUE(run(LookupMode::Punjabi, "ew", &SuggestionGenerators::suggestion_extrachar).empty());  // L < 3
  EXPECT_EQ(run(LookupMode::Punjabi, "wke", &SuggestionGenerators::suggestion_positionchange).size(), 0u);
  EXPECT_EQ(run(LookupMode::Punjabi, "kew", &SuggestionGenerators::suggestion_positionchange), (std::vector<Bytes>{"ekw"}));
}

TEST_F(Generators, SihariBihariRewriteIsTheSpecialCandidate) {
  lexicon.set_main_list(sections_of({"ehk"}));  // I sign before KA becomes KA with II sign
  const std::vector<Bytes> list = run(LookupMode::Punjabi, "fek", &SuggestionGenerators::suggestion_substitute);
  ASSERT_EQ(list, (std::vector<Bytes>{"ehk"}));
  EXPECT_EQ(special, 0);
}

TEST_F(Generators, LongWordsGetNoEditCandidates) {
  lexicon.set_main_list(sections_of({Bytes(21, 'e')}));
  SuggestionList list;
  SuggestionGenerators(lexicon, LookupMode::Punjabi, list).run_all(Bytes(21, 'e') + "k");
  EXPECT_FALSE(has(list.entries(), Bytes(21, 'e')));
}

TEST_F(Generators, SplitsAtAMissingSpaceButNotBeforeThePluralEnding) {
  lexicon.set_main_list(sections_of({"ekw", "gko", "\x6E\x6B\x49", "go"}));
  EXPECT_EQ(run(LookupMode::Punjabi, "ekwgko", &SuggestionGenerators::suggestion_missing_space),
            (std::vector<Bytes>{"ekw gko"}));
  EXPECT_TRUE(run(LookupMode::Punjabi, "go\x6E\x6B\x49", &SuggestionGenerators::suggestion_missing_space).empty());
  EXPECT_EQ(run(LookupMode::Punjabi, "ekw-gko", &SuggestionGenerators::suggestion_replace_hyphen_with_space),
            (std::vector<Bytes>{"ekw gko"}));
}

TEST_F(Generators, EnglishTranspositionsAreNotReadAsGlyphs) {
  lexicon.english().insert("back");
  lexicon.english().insert("car");
  EXPECT_TRUE(has(english_suggestions(lexicon, "bcak"), "back"));
  EXPECT_TRUE(has(english_suggestions(lexicon, "acr"), "car"));
}

// A whole letter left out, typed too many or exchanged, as a writer of
// Unicode makes the slip: in glyph order the I sign or an independent vowel
// moves with it, so no one-byte edit finds these words.
TEST_F(Generators, WholeLetterSlipsFindTheWordThroughItsUnicodeLetters) {
  const Bytes rahinda = pivot(u"ਰਹਿੰਦਾ"), is = pivot(u"ਇਸ"), ladhia = pivot(u"ਲੱਜਿਆ");
  lexicon.set_main_list(sections_of({rahinda, is, ladhia}));
  const struct {
    std::u16string_view misspelt;
    Bytes meant;
  } cases[] = {
      {u"ਰਿੰਦਾ", rahinda},    // HA left out: the I sign moves to RA
      {u"ਰਹਕਿੰਦਾ", rahinda},  // KA typed between HA and its I sign
      {u"ਸਇ", is},           // the independent vowel exchanged with SA
      {u"ਲੱਜਿ", ladhia},       // the independent vowel AA left out
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(to_utf8(c.misspelt));
    EXPECT_TRUE(has(run(LookupMode::Punjabi, pivot(c.misspelt), &SuggestionGenerators::suggestion_letter_slips), c.meant));
  }
}

TEST_F(Generators, AWordAddedDuringTheRunIsFoundOneLetterShort) {
  lexicon.set_main_list(sections_of({pivot(u"ਇਸ")}));
  WordSections room(21);
  for (int s = 1; s <= 21; ++s) room.set_capacity(s, additional_section_slack(s));
  lexicon.set_additional_dictionary(std::move(room), "", true);
  const Bytes misspelt = pivot(u"ਰਿੰਦਾ");
  EXPECT_TRUE(run(LookupMode::Punjabi, misspelt, &SuggestionGenerators::suggestion_letter_slips).empty());
  ASSERT_EQ(lexicon.add_punjabi_word(pivot(u"ਰਹਿੰਦਾ")), AddResult::Added);
  EXPECT_TRUE(has(run(LookupMode::Punjabi, misspelt, &SuggestionGenerators::suggestion_letter_slips), pivot(u"ਰਹਿੰਦਾ")));
}

TEST(SlipDistance, ALetterSlipCostsTheSameWhereverTheISignStands) {
  // HA left out before an I sign is one slip, as it is before a bindi.
  EXPECT_DOUBLE_EQ(slip_distance(pivot(u"ਰਿੰਦਾ"), pivot(u"ਰਹਿੰਦਾ")), slip_distance(pivot(u"ਰੰਦਾ"), pivot(u"ਰਹੰਦਾ")));
  // Exchanged letters cost the same with an independent vowel among them.
  EXPECT_DOUBLE_EQ(slip_distance(pivot(u"ਸਇ"), pivot(u"ਇਸ")), slip_distance(pivot(u"ਸਕ"), pivot(u"ਕਸ")));
  // Leaving a letter out is a smaller slip than typing another letter.
  EXPECT_LT(slip_distance(pivot(u"ਰਿੰਦਾ"), pivot(u"ਰਹਿੰਦਾ")), slip_distance(pivot(u"ਰਿੰਦਾ"), pivot(u"ਰਿੰਗਾ")));
}

TEST(Ranking, ALetterLeftOutComesBeforeALetterChanged) {
  std::vector<Bytes> list = {pivot(u"ਰਿੰਗਾ"), pivot(u"ਰਹਿੰਦਾ")};
  sort_suggestion_list(pivot(u"ਰਿੰਦਾ"), list, -1, WordFrequencies());
  EXPECT_EQ(list, (std::vector<Bytes>{pivot(u"ਰਹਿੰਦਾ"), pivot(u"ਰਿੰਗਾ")}));
}

TEST(Ranking, SpecialCandidateFirstAndNegativeScoresCut) {
  const WordFrequencies none;
  std::vector<Bytes> list = {"wkh", "ehk"};
  sort_suggestion_list("fek", list, 1, none);
  ASSERT_FALSE(list.empty());
  EXPECT_EQ(list[0], "ehk");
  EXPECT_LT(score_suggestion("ekw", "wkw", false, none), 0);  // another first letter
}

TEST(Ranking, FrequentCandidatesRankHigherAmongEqualSlips) {
  WordFrequencies freq;
  freq.set("ekx", 20000);
  std::vector<Bytes> list = {"eky", "ekx"};
  sort_suggestion_list("ekz", list, -1, freq);
  EXPECT_EQ(list, (std::vector<Bytes>{"ekx", "eky"}));
}

TEST(Ranking, MissingInitialIIsOfferedFirstEvenForAnEmptyList) {
  std::vector<Bytes> list;
  sort_suggestion_list("eZmk", list, -1, WordFrequencies());
  EXPECT_EQ(list, (std::vector<Bytes>{"\x66\x4A" "eZmk"}));
}

TEST(Ranking, NuktaPartnersAreTheDottedFormsOfTheSameLetter) {
  using spelling_keys::NP;
  EXPECT_EQ(NP(0x3B), 0x46);  // SA, SHA
  EXPECT_EQ(NP(0x62), 0xE6);  // LA, LLA
  EXPECT_EQ(NP(0x63), 0x5C);  // PHA, FA
  EXPECT_EQ(NP(0x79), 0x5D);  // KHA, KHHA
  EXPECT_EQ(NP(0x5D), 0x79);
  EXPECT_FALSE(NP(0x65).has_value());
}

}  // namespace
}  // namespace quilm
