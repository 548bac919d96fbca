// Ranking of the candidates for a misspelt Punjabi word: each candidate is
// scored against the word for the slips that would explain the difference
// and for how common it is; candidates with a negative score are dropped,
// the rest sorted by score plus slip bonus, and the list cut to 21 entries.
#pragma once

#include <vector>

#include "common/bytes.h"
#include "spell/word_frequencies.h"

namespace quilm {

inline constexpr std::size_t kShownSuggestions = 21;
inline constexpr std::size_t kRankedWordLength = 100;

// The score of `candidate` against the misspelt word `W` (pivot, not
// normalised); `special` for the candidate of a special rewrite.
int score_suggestion(BytesView W, BytesView candidate, bool special, const WordFrequencies& frequencies);

// The order of the kept candidates: how few and how small the slips are
// that turn the word into the candidate (slip_distance), how common the
// candidate is, and a little of the score, whose letter-by-letter
// comparisons and steps of frequency are coarser. Weighed on one half of
// an evaluation set of misspellings (tools/spell/evaluate.py) and checked
// on the other half.
inline constexpr double kSlipWeight = 24;
inline constexpr double kSlipReach = 1.5;
inline constexpr double kFrequencyWeight = 4;
inline constexpr double kScoreWeight = 0.1;
double suggestion_order(BytesView W, BytesView candidate, int score, const WordFrequencies& frequencies);

// Scores, sorts and cuts `list` in place; `special_index` is -1 or the
// index of the special rewrite's candidate.
void sort_suggestion_list(BytesView W, std::vector<Bytes>& list, int special_index,
                          const WordFrequencies& frequencies);

}  // namespace quilm
