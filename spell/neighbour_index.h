// Which one-byte changes of a string give a known word: for every known
// word and every position, the word without that byte (and the position)
// leads to the bytes that stood there. A substitution at position i of a
// word, or an insertion at position i, then costs one search instead of
// one lookup per byte of the alphabet.
#pragma once

#include <unordered_map>

#include "common/bytes.h"
#include "spell/word_sections.h"

namespace quilm {

class NeighbourIndex {
 public:
  void add_word(BytesView word);
  // The bytes b (ascending, each once) for which `rest` with b put in at
  // `position` is a word the index holds.
  BytesView bytes_at(BytesView rest, std::size_t position) const;

 private:
  std::unordered_map<Bytes, Bytes, TransparentBytesHash, std::equal_to<>> bytes_;
};

}  // namespace quilm
