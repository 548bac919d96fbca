// Roman-letter Punjabi to Gurmukhi, word by word: an abbreviation is written
// as such; a word of the Roman dictionaries takes their spellings, ranked by
// the Roman statistics in the context of the two words before it; any other
// word is spelled by the rules and gets the generated spellings that a word
// list or the statistics confirm, and, when these are few, the inflected
// forms of a stem the dictionaries know (english_forms.h).
#pragma once

#include <string_view>
#include <vector>

#include "common/bytes.h"
#include "roman/roman_data.h"

namespace quilm {

// Where a candidate spelling came from.
enum class RomanOrigin { Abbreviation, Dictionary, English, Rules, Generated };
std::string_view origin_name(RomanOrigin origin);

struct RomanCandidate {
  Bytes pivot;
  RomanOrigin origin = RomanOrigin::Rules;
  long score = 0;
};

// The most candidates a word gets.
inline constexpr std::size_t kMostRomanCandidates = 14;

struct RomanWordContext {
  Bytes previous;         // the word written before, empty at the start
  Bytes before_previous;  // the one before that
  bool before_full_stop = false;  // a "." follows the word in the text
};

// The candidates of one Roman word (letters only), best first; never empty
// for a non-empty word, never more than kMostRomanCandidates.
std::vector<RomanCandidate> roman_word_candidates(const RomanData& data, std::string_view word,
                                                  const RomanWordContext& context);

// The rules alone with the dictionary step of the full engine before them:
// the best dictionary spelling of the lower-cased word when one exists.
Bytes transliterate_roman_word(const RomanData& data, std::string_view word, BytesView previous,
                               BytesView before_previous);

}  // namespace quilm
