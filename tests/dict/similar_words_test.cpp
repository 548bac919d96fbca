// The similar-word generator on pivot bytes, both its search and its
// dictionary forms, and the plausibility filter.
#include <gtest/gtest.h>

#include "dict/similar_words.h"
#include "dict/valid_word.h"
#include "dict/word_variants.h"
#include "fonts/conversion.h"
#include "fonts/registry.h"

namespace quilm {
namespace {

using Words = std::vector<Bytes>;

TEST(SimilarWords, EdgeCasesOfTheLists) {
  EXPECT_EQ(similar_words_of_pivot("kr", true).words(), (Words{"kr", "k\x7C", "kIr", "kI\x7C"}));
  EXPECT_EQ(similar_words_of_pivot("BP", true).words(), (Words{"BP", "Bt", "BQt"}));
  const Words kair = similar_words_of_pivot("kAIr", true).words();
  ASSERT_GE(kair.size(), 2u);
  EXPECT_EQ(kair[0], "kAIr");
  EXPECT_EQ(kair[1], "kIr") << "the I that moved into the A's place is not dropped";
  EXPECT_EQ(similar_words_of_pivot("kAIr", false).words(), (Words{"kAIr"}));
}

TEST(SimilarWords, DictionaryFormJoinsNuktaAndDropsMarksFirst) {
  EXPECT_EQ(similar_words_for_dictionary_of_pivot("ba").words(), (Words{"\xE6", "b"}));
  EXPECT_EQ(similar_words_for_dictionary_of_pivot("kIr").words(), (Words{"kr", "k\x7C"}));
  const Words sa = similar_words_for_dictionary_of_pivot(";a").words();
  ASSERT_GE(sa.size(), 2u);
  EXPECT_EQ(sa[0], ";a") << "SA and its nukta stay two glyphs";
  EXPECT_EQ(sa[1], ";") << "the nukta is a mark like the others";
  for (const Bytes& w : sa) EXPECT_EQ(w.find('F'), Bytes::npos) << "SA is not exchanged for SHA";
}

TEST(SimilarWords, AFullListKeepsItsFirstEntriesAndTheLastPlaceTakesTheRest) {
  SimilarWordList list;
  for (int i = 0; i < 600; ++i) list.append(std::to_string(i));
  ASSERT_EQ(list.size(), kSimilarWordCapacity);
  EXPECT_EQ(list[0], "0");
  EXPECT_EQ(list[510], "510");
  EXPECT_EQ(list[511], "599");
  // A long word of many exchangeable letters reaches the bound and stays there.
  EXPECT_EQ(similar_words_of_pivot("brbrbrbrbrbrbrbrbrbr", true).size(), kSimilarWordCapacity);
}

TEST(ValidWord, RefusesImplausibleCandidates) {
  struct Case {
    Bytes word;
    bool valid;
  };
  const Case cases[] = {
      {"KI", false},  {"aKI", false}, {"BQP", false}, {"BQ", true},  {"eQ", false},
      {";P", true},   {"eP", false},  {"eq", true},   {"Bq", false}, {"P", true},
      {"", true},     {"Q", true},    {"[{", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.word);
    EXPECT_EQ(ValidWord(c.word), c.valid);
  }
}

TEST(SimilarWords, WordsOfAFontComeBackInTheTargetFont) {
  const FontRegistry registry;
  ConversionContext context;
  const FontConverter converter(context);
  // The pivot font in and out: the generator's own bytes.
  EXPECT_EQ(generate_similar_words("kr", "GurmukhiLys 020", "GurmukhiLys 020", true, registry, converter).words(),
            (Words{"kr", "k\x7C", "kIr", "kI\x7C"}));
  // Unchecked: the word alone, written in the target font.
  const SimilarWordList alone = generate_similar_words("kr", "GurmukhiLys 020", "AnmolLipi", false, registry, converter);
  ASSERT_EQ(alone.size(), 1u);
  EXPECT_EQ(alone[0], converter.conversion("kr", 9, registry.get_font_index("AnmolLipi"), false));
  EXPECT_EQ(generate_similar_words_dict("kIr", 9, converter).words(), (Words{"kr", "k\x7C"}));
}

}  // namespace
}  // namespace quilm
