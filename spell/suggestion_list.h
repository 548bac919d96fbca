// The list of candidate corrections of one suggestion round: filled only by
// appending, each candidate once (split candidates excepted), with the
// index of the candidate a special rewrite produced.
#pragma once

#include <unordered_set>
#include <vector>

#include "common/bytes.h"
#include "spell/word_sections.h"

namespace quilm {

class SuggestionList {
 public:
  // Index of the first entry equal to `text`, or -1.
  int FindString(BytesView text) const;
  bool contains(BytesView text) const { return members_.find(text) != members_.end(); }
  // Appends when new; returns whether it did.
  bool add_new(BytesView text);
  // Appends without the duplicate test.
  void add_always(BytesView text);

  const std::vector<Bytes>& entries() const { return entries_; }
  std::vector<Bytes>& entries() { return entries_; }
  std::size_t size() const { return entries_.size(); }
  int special_index = -1;

 private:
  std::vector<Bytes> entries_;
  std::unordered_set<Bytes, TransparentBytesHash, std::equal_to<>> members_;
};

}  // namespace quilm
