#include "roman/roman_ranking.h"

#include <algorithm>
#include <bit>

namespace quilm {
namespace {

constexpr char kNukta = 0x61;

long floor_log2(long count) {
  if (count <= 1) return 0;  // a count of 0 has no logarithm and scores as unseen
  return static_cast<long>(std::bit_width(static_cast<unsigned long>(count))) - 1;
}

Bytes without_nukta(BytesView word) {
  Bytes out;
  for (char c : word) {
    switch (c) {
      case 0x5C: out += 0x63; break;
      case 0x5D: out += 0x79; break;
      case 0x7C: out += 0x72; break;
      case kNukta: break;
      default: out += c;
    }
  }
  return out;
}

void sort_group(std::vector<Bytes>& candidates, std::vector<long>& scores, std::size_t from, std::size_t to) {
  std::vector<std::size_t> order(to - from);
  for (std::size_t i = 0; i < order.size(); ++i) order[i] = from + i;
  std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return scores[a] > scores[b]; });
  std::vector<Bytes> words;
  std::vector<long> values;
  for (std::size_t i : order) words.push_back(std::move(candidates[i])), values.push_back(scores[i]);
  for (std::size_t i = 0; i < order.size(); ++i) {
    candidates[from + i] = std::move(words[i]);
    scores[from + i] = values[i];
  }
}

}  // namespace

long candidate_score(const RankingContext& context, BytesView previous, BytesView before_previous, BytesView word) {
  const RomanStatistics& s = *context.statistics;
  long score = floor_log2(s.word_count(word)) + 5 * s.pair_count(previous, word) +
               10 * s.triple_count(before_previous, previous, word);
  if (context.known != nullptr && context.known->is_known_word(word)) score += 3;
  return score;
}

bool CheckSimilar(BytesView a, BytesView b) { return without_nukta(a) == without_nukta(b); }

int nukta_count(BytesView word) {
  return static_cast<int>(std::count_if(word.begin(), word.end(), [](char c) {
    return c == 0x5C || c == 0x5D || c == kNukta || c == 0x7C;
  }));
}

// The nukta count of candidate i is taken again after each exchange, so
// that of three look-alikes the one with most nukta ends first.
void CheckBindiWords(const RomanKnownWords& known, std::vector<Bytes>& candidates) {
  for (std::size_t i = 0; i < candidates.size(); ++i) {
    for (std::size_t j = i + 1; j < candidates.size(); ++j) {
      if (CheckSimilar(candidates[i], candidates[j]) && nukta_count(candidates[j]) > nukta_count(candidates[i]) &&
          known.is_known_word(candidates[j]))
        std::swap(candidates[i], candidates[j]);
    }
  }
}

void CheckRecentList(const RecentChoices& recent, std::string_view roman, std::vector<Bytes>& candidates) {
  const std::optional<Bytes> chosen = recent.find(roman);
  if (!chosen) return;
  const auto at = std::find(candidates.begin() + std::min<std::size_t>(1, candidates.size()), candidates.end(), *chosen);
  if (at != candidates.end()) std::rotate(candidates.begin(), at, at + 1);
}

Bytes StatAnalysis(const RankingContext& context, std::string_view roman, int split, BytesView previous,
                   BytesView before_previous, std::vector<Bytes>& candidates) {
  if (candidates.empty()) return {};
  if (context.statistics == nullptr || !context.statistics->complete() || candidates.size() == 1)
    return candidates.front();
  std::vector<long> scores;
  bool any_pair = false;
  for (const Bytes& c : candidates) {
    scores.push_back(candidate_score(context, previous, before_previous, c));
    any_pair = any_pair || context.statistics->has_pair(previous, c);
  }
  const std::size_t n = candidates.size();
  const std::size_t first_group = !any_pair || split < 0 ? n : std::min<std::size_t>(static_cast<std::size_t>(split) + 1, n);
  sort_group(candidates, scores, 0, first_group);
  sort_group(candidates, scores, first_group, n);
  if (context.known != nullptr) CheckBindiWords(*context.known, candidates);
  if (context.recent != nullptr) CheckRecentList(*context.recent, roman, candidates);
  return candidates.front();
}

}  // namespace quilm
