// The trigram queue: when words are decided, which counts decide them, and
// that every word and separator leaves the queue in order.
#include <gtest/gtest.h>

#include "roman/trigram_queue.h"
#include "tests/roman/roman_fixture.h"

namespace quilm::test {
namespace {

RomanPiece word(std::string roman, std::initializer_list<std::string_view> candidates) {
  RomanPiece p;
  p.roman = std::move(roman);
  for (std::string_view c : candidates) p.candidates.push_back({pivot(c), RomanOrigin::Dictionary, 0});
  return p;
}

RomanPiece separators(std::string text) {
  RomanPiece p;
  p.separators = std::move(text);
  return p;
}

class TrigramQueue : public ::testing::Test {
 protected:
  // Pushes the words in turn, each after one blank, popping as the window
  // does, then flushes; gives the decided words in order.
  std::vector<std::string> decide(const std::vector<RomanPiece>& words) {
    TTriGramQueue queue({&trigrams_, &statistics_, &known_});
    std::vector<std::string> out;
    const auto take = [&](const QueuedWord& w) {
      for (const RomanPiece& s : w.separators) separators_seen_ += s.separators;
      out.push_back(utf8(w.decided));
    };
    for (const RomanPiece& w : words) {
      if (auto popped = queue.PopWord(false)) take(*popped);
      queue.PushWord({separators(" ")}, w);
    }
    while (auto popped = queue.PopWord(true)) take(*popped);
    EXPECT_EQ(queue.size(), 0);
    return out;
  }

  WindowTrigrams trigrams_;
  RomanStatistics statistics_;
  SpellLexicon lexicon_;
  RomanKnownWords known_{&lexicon_, &statistics_};
  std::string separators_seen_;
};

TEST_F(TrigramQueue, OneOrTwoWordsAreNeverDecidedAndKeepTheirFirstCandidate) {
  statistics_.add_word(pivot("ਕੱਲ"), 50);  // would win a decision
  EXPECT_EQ(decide({word("kal", {"ਕਾਲ", "ਕੱਲ"})}), (std::vector<std::string>{"ਕਾਲ"}));
  EXPECT_EQ(decide({word("kal", {"ਕਾਲ", "ਕੱਲ"}), word("aaya", {"ਆਇਆ"})}),
            (std::vector<std::string>{"ਕਾਲ", "ਆਇਆ"}));
}

TEST_F(TrigramQueue, AWordIsDecidedByTheTwoWordsAfterIt) {
  trigrams_.add(pivot("ਕੱਲ"), pivot("ਆਇਆ"), pivot("ਸੀ"), 3);
  trigrams_.add(pivot("ਕਾਲ"), pivot("ਪਿਆ"), pivot("ਸੀ"), 9);  // another middle word: not this text
  const std::vector<std::string> out =
      decide({word("kal", {"ਕਾਲ", "ਕੱਲ"}), word("aaya", {"ਆਇਆ"}), word("si", {"ਸੀ", "ਸਿ"})});
  EXPECT_EQ(out, (std::vector<std::string>{"ਕੱਲ", "ਆਇਆ", "ਸੀ"}));
}

TEST_F(TrigramQueue, WithoutTriplesThePairThenTheWordCountDecides) {
  struct Case {
    const char* name;
    std::vector<std::tuple<const char*, const char*, long>> pairs;
    std::vector<std::pair<const char*, long>> words;
    const char* decided;
  } cases[] = {
      {"the pair with the next word", {{"ਕੱਲ", "ਆਇਆ", 4}}, {{"ਕਾਲ", 90}}, "ਕੱਲ"},
      {"the pair with the word before", {{"ਉਹ", "ਕੱਲ", 2}}, {{"ਕਾਲ", 90}}, "ਕੱਲ"},
      {"no pair: the commoner word", {}, {{"ਕੱਲ", 7}, {"ਕਾਲ", 5}}, "ਕੱਲ"},
      {"nothing known: the first candidate", {}, {}, "ਕਾਲ"},
      {"equal counts: the first candidate", {}, {{"ਕੱਲ", 5}, {"ਕਾਲ", 5}}, "ਕਾਲ"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    statistics_ = RomanStatistics();
    for (const auto& [a, b, n] : c.pairs) statistics_.add_pair(pivot(a), pivot(b), n);
    for (const auto& [w, n] : c.words) statistics_.add_word(pivot(w), n);
    const std::vector<std::string> out =
        decide({word("oh", {"ਉਹ"}), word("kal", {"ਕਾਲ", "ਕੱਲ"}), word("aaya", {"ਆਇਆ"}), word("si", {"ਸੀ"})});
    EXPECT_EQ(out[1], c.decided);
  }
}

TEST_F(TrigramQueue, AWordTheWordListsKnowCountsOne) {
  set_known_words(lexicon_, {pivot("ਕੱਲ")});
  const std::vector<std::string> out = decide({word("kal", {"ਕਾਲ", "ਕੱਲ"}), word("a", {"ਏ"}), word("b", {"ਬੀ"})});
  EXPECT_EQ(out[0], "ਕੱਲ");
}

TEST_F(TrigramQueue, WordsLeaveInOrderOnceFiveAreQueuedWithTheirSeparators) {
  TTriGramQueue queue({&trigrams_, &statistics_, &known_});
  for (int i = 0; i < 5; ++i) {
    EXPECT_FALSE(queue.PopWord(false).has_value());
    queue.PushWord({separators(std::string(1, static_cast<char>('0' + i)))}, word("k", {"ਕ"}));
  }
  std::string order;
  while (auto w = queue.PopWord(true)) order += w->separators.front().separators;
  EXPECT_EQ(order, "01234");
  EXPECT_FALSE(queue.PopWord(true).has_value());
}

TEST_F(TrigramQueue, ALongTextKeepsEveryWordThroughTheRing) {
  std::vector<RomanPiece> words;
  for (int i = 0; i < 23; ++i) words.push_back(word("k", {i % 2 ? "ਕ" : "ਖ"}));
  const std::vector<std::string> out = decide(words);
  ASSERT_EQ(out.size(), words.size());
  for (std::size_t i = 0; i < out.size(); ++i) EXPECT_EQ(out[i], i % 2 ? "ਕ" : "ਖ");
  EXPECT_EQ(separators_seen_, std::string(23, ' '));
}

}  // namespace
}  // namespace quilm::test
