// The trigram queue of the Roman-to-Gurmukhi window (TTriGramQueue): each
// word's spelling is decided with the two words that follow it. Words wait
// in a ring of five slots; when a word is pushed, the word two places before
// it is decided from the candidates of the three:
//   1. the triple of candidates with the highest window trigram count
//      (TriGram1.DBF) over every window the word has been part of,
//   2. failing any triple, the best pair with its neighbours (the Roman
//      bigram counts),
//   3. failing any pair, the candidate with the highest word count, a word
//      the word lists know counting 1.
// Ties fall to the first candidate, so the order the ranking gave stands
// where the counts say nothing. A word leaves the queue when the fifth word
// after it arrives, or at the flush; the last two words of a text are never
// decided and keep their first candidate.
#pragma once

#include <array>
#include <optional>
#include <vector>

#include "common/bytes.h"
#include "roman/known_words.h"
#include "roman/roman_statistics.h"
#include "roman/roman_text.h"
#include "roman/window_trigrams.h"

namespace quilm {

// Where the queue reads its counts; any may be null (no counts from it).
struct TrigramQueueCounts {
  const WindowTrigrams* trigrams = nullptr;
  const RomanStatistics* statistics = nullptr;
  const RomanKnownWords* known = nullptr;
};

// A word as it leaves the queue: the separators read before it, the word
// with its candidates, and the spelling decided for it.
struct QueuedWord {
  std::vector<RomanPiece> separators;
  RomanPiece word;
  Bytes decided;
  long trigram_count = 0;  // the count of the triple that decided it, 0 if none
};

class TTriGramQueue {
 public:
  static constexpr int kSlots = 5;
  static constexpr std::size_t kMostCandidates = 16;

  explicit TTriGramQueue(TrigramQueueCounts counts) : counts_(counts) {}

  // Queues a word (its first kMostCandidates candidates take part) and
  // decides the word two places before it.
  void PushWord(std::vector<RomanPiece> separators, RomanPiece word);
  // The oldest word, once five are queued (or, with `flush`, while any is);
  // nothing when not ready.
  std::optional<QueuedWord> PopWord(bool flush);
  int size() const { return count_; }

 private:
  struct Suggestion {
    Bytes word;
    long count = 0;
  };
  struct Slot {
    QueuedWord item;
    std::vector<Bytes> candidates;
    Suggestion as_last, as_middle, as_first;  // trigram windows
    Suggestion as_second, as_pair_first;      // bigram pairs
    long bigram_count = 0;
  };

  void search_trigrams(Slot& first, Slot& middle, Slot& last) const;
  void search_bigrams(Slot& first, Slot& second) const;
  void decide(Slot& slot) const;
  long unigram_value(BytesView candidate) const;

  TrigramQueueCounts counts_;
  std::array<Slot, kSlots> slots_;
  int count_ = 0;
  int read_ = 0;
  int write_ = -1;
  int decision_ = -3;
};

}  // namespace quilm
