// The "Frequency Options" settings: the six boxes read all or nothing, the
// word filter made from the numbers read, and the large-analysis thresholds
// that hold for one analysis only.
#include <gtest/gtest.h>

#include "analysis/frequency_options.h"

namespace quilm {
namespace {

FrequencyOptionTexts texts_with(FrequencyOption option, std::string text) {
  FrequencyOptionTexts texts = frequency_option_texts({});
  texts[static_cast<std::size_t>(option)] = std::move(text);
  return texts;
}

TEST(FrequencyOptionsTest, DefaultsShowAsTheBoxesFirstShowThem) {
  EXPECT_EQ(frequency_option_texts({}), (FrequencyOptionTexts{"1", "30", "1", "100000", "0", "0"}));
  EXPECT_EQ(word_filter_text({}), "Length >= 1 and Length <= 30 and Frequency >= 1 and Frequency <= 100000");
}

TEST(FrequencyOptionsTest, SixNumbersAreTakenOverTogether) {
  FrequencyOptions options;
  ASSERT_TRUE(read_frequency_options({"2", "007", "3", "40", "1", "2"}, options).ok());
  EXPECT_EQ(options.filter, (WordDisplayFilter{2, 7, 3, 40}));
  EXPECT_EQ(options.thresholds, (AnalysisThresholds{1, 2}));
  EXPECT_EQ(word_filter_text(options.filter), "Length >= 2 and Length <= 7 and Frequency >= 3 and Frequency <= 40");
}

TEST(FrequencyOptionsTest, ABadBoxChangesNothingAndIsNamed) {
  struct Case {
    const char* label;
    FrequencyOptionTexts texts;
    const char* message;
  };
  const Case cases[] = {
      {"empty box", texts_with(FrequencyOption::MaxFrequency, ""),
       "Maximum Frequency must be a whole number of at most nine digits 0-9"},
      {"sign", texts_with(FrequencyOption::BigramThreshold, "-1"),
       "BiGram Threshold must be a whole number of at most nine digits 0-9"},
      {"blank inside", texts_with(FrequencyOption::MinLength, "1 0"),
       "Minimum Length must be a whole number of at most nine digits 0-9"},
      {"too long", texts_with(FrequencyOption::TrigramThreshold, "1234567890"),
       "TriGram Threshold must be a whole number of at most nine digits 0-9"},
      {"filter text smuggled in", texts_with(FrequencyOption::MaxLength, "30 or Length > 0"),
       "Maximum Length must be a whole number of at most nine digits 0-9"},
      {"lengths crossed", texts_with(FrequencyOption::MinLength, "31"), "Minimum Length is greater than Maximum Length"},
      {"frequencies crossed", texts_with(FrequencyOption::MaxFrequency, "0"),
       "Minimum Frequency is greater than Maximum Frequency"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    FrequencyOptions options;
    options.thresholds = {5, 6};
    const FrequencyOptions before = options;
    const Status read = read_frequency_options(c.texts, options);
    EXPECT_FALSE(read.ok());
    EXPECT_EQ(read.message(), c.message);
    EXPECT_EQ(options, before) << "all or nothing";
  }
}

TEST(FrequencyOptionsTest, TheFilterKeepsWordsWithinBothRangesInclusive) {
  const WordDisplayFilter filter{2, 3, 5, 9};
  struct Case {
    std::int64_t length, frequency;
    bool kept;
  };
  const Case cases[] = {{2, 5, true}, {3, 9, true}, {1, 5, false}, {4, 5, false}, {2, 4, false}, {2, 10, false}};
  FrequencyResults results;
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.length << " " << c.frequency);
    const ResultRow row{Bytes("w"), Bytes("k"), c.length, c.frequency, std::int64_t{1}, std::string("0")};
    EXPECT_EQ(word_row_admitted(row, filter), c.kept);
    WordCount word;
    word.word = "w" + std::to_string(results.words.size());
    word.length = static_cast<int>(c.length);
    word.count = c.frequency;
    results.words.push_back(word);
  }
  results.pairs.push_back({1, "a", "b", "", ""});
  filter_words(results, filter);
  ASSERT_EQ(results.words.size(), 2u);
  EXPECT_EQ(results.words[0].word, "w0") << "order kept";
  EXPECT_EQ(results.words[1].word, "w1");
  EXPECT_EQ(results.pairs.size(), 1u) << "only the word table is filtered";
}

TEST(FrequencyOptionsTest, LargeAnalysesRaiseTheThresholdsForThatAnalysisOnly) {
  const AnalysisThresholds settings{0, 3};
  EXPECT_EQ(thresholds_for_analysis(settings, kLargeAnalysisWords), settings);
  EXPECT_EQ(thresholds_for_analysis(settings, kLargeAnalysisWords + 1), (AnalysisThresholds{1, 3}))
      << "a higher threshold the user chose stays";
  EXPECT_EQ(settings, (AnalysisThresholds{0, 3}));
}

}  // namespace
}  // namespace quilm
