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

// What the order adds to the score for how few and how small the slips are
// that turn the word into the candidate (slip_distance): a candidate one
// small slip away comes before one a whole letter away, which the score's
// letter-by-letter comparisons do not always see.
inline constexpr double kSlipWeight = 12;
inline constexpr double kSlipReach = 1.5;
int slip_bonus(BytesView W, BytesView candidate);
// And for how common the candidate is, finer than the score's steps.
inline constexpr double kFrequencyWeight = 3;
int frequency_bonus(std::optional<std::int64_t> frequency);

// Scores, sorts and cuts `list` in place; `special_index` is -1 or the
// index of the special rewrite's candidate.
void sort_suggestion_list(BytesView W, std::vector<Bytes>& list, int special_index,
                          const WordFrequencies& frequencies);

}  // namespace quilm
