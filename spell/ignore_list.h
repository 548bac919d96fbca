// Ignore.txt in memory: words that are reported as misspelt even when a
// word list holds them, sorted by bytes, each of up to 16 bytes.
#pragma once

#include <unordered_set>
#include <vector>

#include "common/bytes.h"
#include "spell/word_sections.h"

namespace quilm {

class IgnoreList {
 public:
  void append_loaded(Bytes word) {
    members_.insert(word);
    words_.push_back(std::move(word));
  }
  const std::vector<Bytes>& words() const { return words_; }
  bool holds(BytesView word) const { return members_.find(word) != members_.end(); }

 private:
  std::vector<Bytes> words_;
  std::unordered_set<Bytes, TransparentBytesHash, std::equal_to<>> members_;
};

}  // namespace quilm
