// Words kept by length: section s holds the words of s bytes, each cut to
// s + 1 bytes, in ascending unsigned byte order. The main word list, the
// additional dictionary and the ignore list are each one such store; a
// section has room for its count plus some slack, which is what "&Add" may
// fill while the program runs.
//
// Membership is answered by a hash set of the words a lookup can find (a
// record of s bytes in section s, and a record of 22 bytes in the last
// section, which is where words of 22 bytes and more are looked for), so a
// lookup costs one hash and no allocation; the sorted sections stay for
// writing the store back in order.
#pragma once

#include <cstddef>
#include <string>
#include <unordered_set>
#include <vector>

#include "common/bytes.h"

namespace quilm {

struct TransparentBytesHash {
  using is_transparent = void;
  std::size_t operator()(BytesView s) const noexcept { return std::hash<BytesView>{}(s); }
};

class WordSections {
 public:
  WordSections() : WordSections(0) {}
  // Sections 1 .. section_count, empty, without room.
  explicit WordSections(int section_count);

  int section_count() const { return static_cast<int>(sections_.size()) - 1; }
  const std::vector<Bytes>& section(int s) const { return sections_.at(s).words; }
  std::size_t capacity(int s) const { return sections_.at(s).capacity; }
  std::size_t total_words() const;

  // Appends a word read from a file (the caller keeps the order) and sets
  // the room of its section.
  void append_loaded(int s, Bytes word);
  void set_capacity(int s, std::size_t capacity) { sections_.at(s).capacity = capacity; }

  // Inserts `word` in order into section s when the section has room
  // (count below its capacity less one); false when it is full.
  bool insert_sorted(int s, BytesView word);

  // Binary search of section s.
  bool section_holds(int s, BytesView word) const;
  // Whether a lookup of a word of its own length finds `word` (see above).
  bool findable(BytesView word) const { return findable_.find(word) != findable_.end(); }

 private:
  struct Section {
    std::vector<Bytes> words;
    std::size_t capacity = 0;
  };
  void note_findable(int s, const Bytes& word);

  std::vector<Section> sections_;  // index 0 unused
  std::unordered_set<Bytes, TransparentBytesHash, std::equal_to<>> findable_;
};

}  // namespace quilm
