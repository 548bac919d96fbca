// The collation key: the worked examples of the key rules, the order of the
// alphabet, and that the key order is a total order over random words.
#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "encoding/utf16.h"
#include "fonts/conversion.h"
#include "sort/pivot_text.h"
#include "sort/sort_key.h"
#include "tests/support/hex_text.h"

namespace quilm {
namespace {

using test::hex_text::bytes;
using test::hex_text::hex;

struct KeyCase {
  const char* label;
  const char* pivot;  // pivot bytes as text
  const char* key;    // hexadecimal
};

TEST(SortKey, RulesOfTheKey) {
  const KeyCase cases[] = {
      {"kanna", "k", "C4"},
      {"kanna and bindi (second part)", "kI", "C4 82"},
      {"sihari sorts after its consonant", "fk", "C4 C8"},
      {"sign before subjoined VA is moved behind it", "kP", "C3 C4"},
      {"across a tippi", "kzP", "C3 C4 81"},
      {"ੲ with sihari is one letter", "Jf", "97"},
      {"sihari moved behind ੲ first", "fJ", "97"},
      {"ਆਂ", "nK", "92 82"},
      {"ਆ then kanna", "nkk", "92 C4"},
      {"SA + nukta", ";a", "9C"},
      {"SA + nukta after one sign", ";ka", "9C C4"},
      {"a joining letter between keeps SA plain", ";ba", "9B BE"},
      {"Q before the end is addak, at the end its own weight", "QkQ", "C4 C1 80"},
      {"W is RA with aunkar", "W", "BC CA"},
      {"W then kanna", "Wk", "BC CA C4"},
      {"ਉ", "T[", "8E"},
      {"ਊ with a mark between", "TI{", "8F 82"},
      {"the empty text", "", ""},
      {"blanks and hyphens weigh nothing", "k -\x01k", "C4 C4"},
  };
  for (const KeyCase& c : cases) {
    SCOPED_TRACE(c.label);
    EXPECT_EQ(hex(ConvertGurmukhiToSort(c.pivot)), c.key);
  }
}

TEST(SortKey, AppendingReusesTheBuffers) {
  Bytes work, key = "x";
  append_gurmukhi_sort_key("fk", work, key);
  EXPECT_EQ(hex(key), "78 C4 C8");
  ConvertGurmukhiToSort("k", key);
  EXPECT_EQ(hex(key), "C4");
}

// Unicode words read into the pivot encoding as the command line reads them.
Bytes key_of(const char* utf8) {
  ConversionContext context;
  const FontConverter converter(context);
  return ConvertGurmukhiToSort(*utf8_text_as_pivot(utf8, converter));
}

void expect_in_order(const std::vector<const char*>& in_order) {
  for (std::size_t i = 0; i + 1 < in_order.size(); ++i) {
    SCOPED_TRACE(std::string(in_order[i]) + " before " + in_order[i + 1]);
    EXPECT_LT(key_of(in_order[i]), key_of(in_order[i + 1]));
  }
}

TEST(SortKey, AlphabetOrder) {
  const std::vector<const char*> in_order = {
      "ੳ", "ਅ", "ੲ", "ਸ", "ਹ", "ਕ", "ਖ", "ਗ", "ਘ", "ਙ", "ਚ", "ਛ", "ਜ", "ਝ", "ਞ", "ਟ", "ਠ", "ਡ",
      "ਢ", "ਣ", "ਤ", "ਥ", "ਦ", "ਧ", "ਨ", "ਪ", "ਫ", "ਬ", "ਭ", "ਮ", "ਯ", "ਰ", "ਲ", "ਵ", "ੜ"};
  expect_in_order(in_order);
}

TEST(SortKey, VowelSignsFollowTheBareLetterInTheirOrder) {
  const std::vector<const char*> in_order = {"ਕ", "ਕਾ", "ਕਿ", "ਕੀ", "ਕੁ", "ਕੂ", "ਕੇ", "ਕੈ", "ਕੋ", "ਕੌ", "ਖ"};
  expect_in_order(in_order);
}

TEST(SortKey, MarksSeparateOnlyWordsWithTheSameLetters) {
  EXPECT_LT(key_of("ਕਾ"), key_of("ਕਾਂ"));
  EXPECT_LT(key_of("ਕਾਂ"), key_of("ਕਾਕ"));
  EXPECT_EQ(key_of("ਘਰ-ਬਾਰ"), key_of("ਘਰਬਾਰ"));
}

// Random pivot words over the bytes the rules look at and a few others.
std::vector<Bytes> random_words(std::size_t count, unsigned seed) {
  static const Bytes alphabet = "kfhJTn;bQWPzIaK[{/?'\"&-A_`Zqe" "\x71\xB1\xC8\x7E\x4B\x97\x8E\x20";
  std::mt19937 random(seed);
  std::vector<Bytes> words(count);
  for (Bytes& w : words) {
    const std::size_t length = random() % 7;
    for (std::size_t i = 0; i < length; ++i) w.push_back(alphabet[random() % alphabet.size()]);
  }
  return words;
}

int sign(int v) { return (v > 0) - (v < 0); }

TEST(SortKey, KeyOrderIsATotalOrder) {
  const std::vector<Bytes> words = random_words(120, 16);
  std::vector<Bytes> keys;
  for (const Bytes& w : words) keys.push_back(ConvertGurmukhiToSort(w));
  const auto cmp = [&](std::size_t a, std::size_t b) { return sign(keys[a].compare(keys[b])); };
  for (std::size_t a = 0; a < keys.size(); ++a) {
    EXPECT_EQ(ConvertGurmukhiToSort(words[a]), keys[a]) << hex(words[a]);  // a word has one key
    for (std::size_t b = 0; b < keys.size(); ++b) {
      ASSERT_EQ(cmp(a, b), -cmp(b, a)) << hex(words[a]) << " / " << hex(words[b]);
      ASSERT_EQ(cmp(a, b) == 0, keys[a] == keys[b]);
      for (std::size_t c = 0; c < keys.size(); c += 7)
        if (cmp(a, b) <= 0 && cmp(b, c) <= 0) {
          ASSERT_LE(cmp(a, c), 0) << hex(words[a]) << " / " << hex(words[c]);
        }
    }
  }
}

}  // namespace
}  // namespace quilm
