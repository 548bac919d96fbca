// The ranking of the Gurmukhi spellings of one Roman word (StatAnalysis):
// by the counts of the Roman statistics (the word, the pair it makes with the
// previous word, the triple with the two before it), a bonus for words of the
// word lists, then spellings with more nukta ahead of their plain twins
// (CheckBindiWords) and the user's recent choice first (CheckRecentList).
#pragma once

#include <string_view>
#include <vector>

#include "common/bytes.h"
#include "roman/known_words.h"
#include "roman/recent_choices.h"
#include "roman/roman_statistics.h"

namespace quilm {

struct RankingContext {
  const RomanStatistics* statistics = nullptr;
  const RomanKnownWords* known = nullptr;
  const RecentChoices* recent = nullptr;  // may be null
};

// The score of one candidate: floor(log2 count) of the word (0 for a count
// of 0 or 1), 5 x its pair count, 10 x its triple count, plus 3 for a known
// word.
long candidate_score(const RankingContext& context, BytesView previous, BytesView before_previous, BytesView word);

// Reorders `candidates` in place and returns the first. `split` is the
// number of leading candidates sorted as their own group (-1: one group); a
// split beyond the list is taken as the list. Without complete statistics,
// or with one candidate, the list is left as it is.
Bytes StatAnalysis(const RankingContext& context, std::string_view roman, int split, BytesView previous,
                   BytesView before_previous, std::vector<Bytes>& candidates);

// FA, KHHA, GHHA as their plain letters and nukta removed: equal?
bool CheckSimilar(BytesView a, BytesView b);
int nukta_count(BytesView word);
void CheckBindiWords(const RomanKnownWords& known, std::vector<Bytes>& candidates);
void CheckRecentList(const RecentChoices& recent, std::string_view roman, std::vector<Bytes>& candidates);

}  // namespace quilm
