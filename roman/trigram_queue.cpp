#include "roman/trigram_queue.h"

namespace quilm {
namespace {

std::vector<Bytes> candidate_words(const RomanPiece& word) {
  std::vector<Bytes> out;
  for (const RomanCandidate& c : word.candidates) {
    if (out.size() == TTriGramQueue::kMostCandidates) break;
    out.push_back(c.pivot);
  }
  return out;
}

// The first suggestion (in the order given) whose word is set and whose
// count is at least that of every earlier one taken; `best` ends as its count.
const Bytes* strongest(std::initializer_list<const Bytes*> words, std::initializer_list<long> counts, long& best) {
  const Bytes* chosen = nullptr;
  best = 0;
  auto count = counts.begin();
  for (const Bytes* w : words) {
    if (!w->empty() && *count >= best) {
      chosen = w;
      best = *count;
    }
    ++count;
  }
  return chosen;
}

}  // namespace

void TTriGramQueue::PushWord(std::vector<RomanPiece> separators, RomanPiece word) {
  ++count_;
  write_ = (write_ + 1) % kSlots;
  Slot& slot = slots_[write_];
  slot = Slot{};
  slot.candidates = candidate_words(word);
  slot.item.decided = slot.candidates.empty() ? Bytes() : slot.candidates.front();
  slot.item.separators = std::move(separators);
  slot.item.word = std::move(word);

  decision_ = (decision_ + 1) % kSlots;  // keeps its sign while the queue fills
  if (decision_ < 0) return;
  Slot& first = slots_[decision_];
  Slot& middle = slots_[(decision_ + 1) % kSlots];
  Slot& last = slots_[(decision_ + 2) % kSlots];
  search_trigrams(first, middle, last);
  search_bigrams(first, middle);
  decide(first);
}

std::optional<QueuedWord> TTriGramQueue::PopWord(bool flush) {
  if ((!flush && count_ < kSlots) || count_ == 0) return std::nullopt;
  QueuedWord out = std::move(slots_[read_].item);
  read_ = (read_ + 1) % kSlots;
  --count_;
  return out;
}

// Every triple of candidates, the first tried and then each with a higher
// count; a pair that starts no recorded triple is skipped whole, as none of
// its triples can count more than 0.
void TTriGramQueue::search_trigrams(Slot& first, Slot& middle, Slot& last) const {
  bool tried = false;
  long best = 0;
  for (const Bytes& a : first.candidates)
    for (const Bytes& b : middle.candidates) {
      const bool recorded = counts_.trigrams != nullptr && counts_.trigrams->starts_with(a, b);
      if (tried && !recorded) continue;
      for (const Bytes& c : last.candidates) {
        const long n = recorded ? counts_.trigrams->count(a, b, c) : 0;
        if (tried && n <= best) continue;
        first.as_first = {a, n};
        middle.as_middle = {b, n};
        last.as_last = {c, n};
        best = n;
        tried = true;
      }
    }
}

void TTriGramQueue::search_bigrams(Slot& first, Slot& second) const {
  bool tried = false;
  long best = 0;
  for (const Bytes& a : first.candidates)
    for (const Bytes& b : second.candidates) {
      const long n = counts_.statistics != nullptr ? counts_.statistics->pair_count(a, b) : 0;
      if (tried && n <= best) continue;
      first.as_pair_first = {a, n};
      second.as_second = {b, n};
      best = n;
      tried = true;
    }
}

void TTriGramQueue::decide(Slot& slot) const {
  long trigram = 0;
  if (const Bytes* w = strongest({&slot.as_last.word, &slot.as_middle.word, &slot.as_first.word},
                                 {slot.as_last.count, slot.as_middle.count, slot.as_first.count}, trigram))
    slot.item.decided = *w;
  slot.item.trigram_count = trigram;

  long bigram = 0;
  const Bytes* pair_word = strongest({&slot.as_second.word, &slot.as_pair_first.word},
                                     {slot.as_second.count, slot.as_pair_first.count}, bigram);
  if (pair_word != nullptr && trigram == 0) slot.item.decided = *pair_word;
  slot.bigram_count = bigram;

  // The word count decides only when neither a triple nor a pair did: a
  // triple that decided is not overruled by a missing pair.
  if (trigram != 0 || bigram != 0 || slot.candidates.empty()) return;
  const Bytes* best_word = &slot.candidates.front();
  long best = unigram_value(*best_word);
  for (const Bytes& c : slot.candidates) {
    const long value = unigram_value(c);
    if (value > best) {
      best = value;
      best_word = &c;
    }
  }
  slot.item.decided = *best_word;
}

long TTriGramQueue::unigram_value(BytesView candidate) const {
  const long count = counts_.statistics != nullptr ? counts_.statistics->word_count(candidate) : 0;
  if (count != 0) return count;
  return counts_.known != nullptr && counts_.known->ScanDictionaryAndCorpus(candidate) ? 1 : 0;
}

}  // namespace quilm
