#include "analysis/frequency_count.h"

#include "analysis/word_length.h"
#include "sort/sort_key.h"

namespace quilm {

std::uint32_t FrequencyCount::spelling_of(BytesView word, const WordForms& forms) {
  if (const auto found = spelling_index_.find(word); found != spelling_index_.end()) return found->second;
  forms.pivot(word, pivot_);
  Bytes key;
  if (forms.english()) key = pivot_;
  else append_gurmukhi_sort_key(pivot_, work_, key);
  auto [node, added] = word_index_.try_emplace(std::move(key), static_cast<std::uint32_t>(words_.size()));
  if (added) {
    WordCount w;
    w.word = Bytes(word);
    w.key = node->first;
    w.length = word_length(forms.units(word, pivot_), pivot_);
    w.first_rank = static_cast<std::int64_t>(words_.size()) + 1;
    words_.push_back(std::move(w));
    occurrences_.push_back(0);
  }
  const auto id = static_cast<std::uint32_t>(spellings_.size());
  spellings_.push_back({Bytes(word), node->second});
  spelling_index_.emplace(Bytes(word), id);
  return id;
}

void FrequencyCount::add(BytesView word, std::uint64_t position, const WordForms& forms) {
  if (word == "-") return;
  const std::uint32_t spelling = spelling_of(word, forms);
  const std::uint32_t w = spellings_[spelling].word;
  ++words_[w].count;
  const std::int64_t occurrence = ++occurrences_[w];
  ++total_words_;
  if (keep_positions_) positions_.push_back({spelling, position, occurrence});
  if (previous_ >= 0) ++pairs_[(std::uint64_t(previous_) << 32) | spelling];
  if (before_previous_ >= 0)
    ++triples_[{static_cast<std::uint32_t>(before_previous_), static_cast<std::uint32_t>(previous_), spelling}];
  before_previous_ = previous_;
  previous_ = spelling;
}

void FrequencyCount::reserve(std::size_t words) {
  pairs_.reserve(pairs_.size() + words / 2);
  triples_.reserve(triples_.size() + words * 3 / 4);
  spelling_index_.reserve(spelling_index_.size() + words / 16);
  if (keep_positions_) positions_.reserve(positions_.size() + words);
}

void FrequencyCount::drop_positions() {
  keep_positions_ = false;
  positions_.clear();
  positions_.shrink_to_fit();
}

}  // namespace quilm
