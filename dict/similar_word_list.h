// The list of similar words a search works through: pivot-encoded strings,
// the word itself first. It holds at most kSimilarWordCapacity entries; once
// full, each further entry takes the place of the last one, so a word with
// very many variants still keeps its first ones. Entries are not checked for
// duplicates.
#pragma once

#include <cstddef>
#include <vector>

#include "common/bytes.h"

namespace quilm {

inline constexpr std::size_t kSimilarWordCapacity = 512;

class SimilarWordList {
 public:
  void append(Bytes word) {
    if (words_.size() < kSimilarWordCapacity) words_.push_back(std::move(word));
    else words_.back() = std::move(word);
  }
  std::size_t size() const { return words_.size(); }
  const Bytes& operator[](std::size_t i) const { return words_[i]; }
  const std::vector<Bytes>& words() const { return words_; }
  std::vector<Bytes>& words() { return words_; }

 private:
  std::vector<Bytes> words_;
};

}  // namespace quilm
