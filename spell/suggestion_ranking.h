// Ranking of the candidates for a misspelt Punjabi word: each candidate is
// scored against the word for the slips that would explain the difference
// and for how common it is, the list is sorted by score, cut at the first
// candidate with a negative score and to 21 entries.
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

// Scores, sorts and cuts `list` in place; `special_index` is -1 or the
// index of the special rewrite's candidate.
void sort_suggestion_list(BytesView W, std::vector<Bytes>& list, int special_index,
                          const WordFrequencies& frequencies);

}  // namespace quilm
