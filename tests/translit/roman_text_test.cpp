// The spellings a run keeps change nothing: each word of a text spelled
// with the run's kept spellings equals the word spelled on its own, for
// repeated words, words too long to be kept, enough distinct words for the
// kept table to grow many times, and the same bytes read in two fonts.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fonts/conversion.h"
#include "fonts/conversion_context.h"
#include "fonts/font_index.h"
#include "translit/roman_text.h"

namespace quilm {
namespace {

constexpr int kAnmolLipi = 2;

// Distinct AnmolLipi words made of consonants and vowel signs.
std::vector<std::string> many_words(std::size_t count) {
  const std::string letters = "kKgGcCjJtTfFqQdDnpPbBmXrlvs", signs = "wIueyYoO";
  std::vector<std::string> words;
  for (std::size_t i = 0; words.size() < count; ++i) {
    std::string w;
    for (std::size_t n = i; n > 0 || w.empty(); n /= letters.size()) {
      w += letters[n % letters.size()];
      w += signs[(n / 3) % signs.size()];
    }
    words.push_back(w);
  }
  return words;
}

std::string spelled_alone(const std::string& text, int font, const FontConverter& converter) {
  std::string roman;
  std::size_t start = 0;
  for (std::size_t i = 0; i <= text.size(); ++i) {
    if (i < text.size() && text[i] != ' ') continue;
    const RomanTextTools fresh{converter, nullptr, nullptr};
    append_roman_of_font_text(std::string_view(text).substr(start, i - start), font, fresh, roman);
    if (i < text.size()) roman += ' ';
    start = i + 1;
  }
  return roman;
}

TEST(RomanText, KeptSpellingsGiveWhatEachWordGivesAlone) {
  ConversionContext context;
  const FontConverter converter(context);
  std::string many;
  for (const std::string& w : many_words(20000)) many += w + " ";
  many += many;  // every word met again
  struct Case {
    const char* label;
    std::string text;
  };
  const Case cases[] = {
      {"repeated words", "siq nwmu siq nwmu krqw purKu siq"},
      {"a word too long to keep, twice", std::string(300, 'k') + " siq " + std::string(300, 'k')},
      {"many distinct words, each twice", many},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    const RomanTextTools tools{converter, nullptr, nullptr};
    for (int font : {kAnmolLipi, font_index::kPivot, kAnmolLipi}) {
      SCOPED_TRACE(font);
      std::string roman;
      append_roman_of_font_text(c.text, font, tools, roman);
      EXPECT_EQ(roman, spelled_alone(c.text, font, converter));
    }
  }
}

}  // namespace
}  // namespace quilm
