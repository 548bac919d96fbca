// Lines put in Gurmukhi order: each line's collation key is made once and
// kept in one buffer, and the lines are ordered by their keys. Lines whose
// keys are equal are ordered by their own bytes, and equal lines by where
// they stood, so the order is the same whatever order the lines came in.
#pragma once

#include <cstdint>
#include <vector>

#include "common/bytes.h"

namespace quilm {

struct CollationOrder {
  bool descending = false;
  bool unique = false;  // of lines with the same key, only the first in the order is kept
};

class KeyedLines {
 public:
  void reserve(std::size_t lines, std::size_t key_bytes);
  // Adds a line (which must outlive this object) with the pivot form its
  // key is made from.
  void add(BytesView line, BytesView pivot);
  // Adds a line whose key is given (text that is not Gurmukhi is keyed by
  // its own bytes).
  void add_with_key(BytesView line, BytesView key);

  std::size_t size() const { return lines_.size(); }
  BytesView line(std::size_t i) const { return lines_[i]; }
  BytesView key(std::size_t i) const;

  // The positions of the lines in the order asked for.
  std::vector<std::size_t> order(const CollationOrder& how) const;

 private:
  std::vector<BytesView> lines_;
  std::vector<std::uint32_t> key_ends_;  // the end of each key in keys_
  Bytes keys_;
  Bytes work_;
};

}  // namespace quilm
