// Counting the words of a text for the frequency analysis: each word as it
// stands in its font, the pairs and triples of neighbouring words, and every
// occurrence's position. Words whose Gurmukhi collation keys are equal are
// one word (ਘਰ-ਬਾਰ and ਘਰਬਾਰ); pairs and triples are of words as they stand.
//
// A spelling met for the first time is read into the pivot encoding and
// keyed once; every later occurrence costs one hash lookup.
#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "common/bytes.h"

namespace quilm {

// How the words of one text become pivot text and keys.
struct WordForms {
  virtual ~WordForms() = default;
  // The pivot form of `word`, written into `pivot` (cleared first).
  virtual void pivot(BytesView word, Bytes& pivot) const = 0;
  // English text is keyed by its own bytes, Punjabi by the collation key.
  virtual bool english() const { return false; }
  // The length of a word as it stands, before the corrections over its pivot
  // form: bytes of a legacy font; for UTF-8 text, the bytes of its pivot form.
  virtual std::size_t units(BytesView word, BytesView pivot) const { (void)pivot; return word.size(); }
};

struct WordCount {
  Bytes word;  // as it first stood
  Bytes key;
  int length = 0;
  std::int64_t count = 0;
  std::int64_t first_rank = 0;  // 1 for the first distinct word met
};

struct WordPosition {
  std::uint32_t spelling;  // index into spellings()
  std::uint64_t position;  // byte offset of the word in its text
  std::int64_t occurrence;  // 1 for the first occurrence of its word
};

class FrequencyCount {
 public:
  explicit FrequencyCount(bool keep_positions) : keep_positions_(keep_positions) {}

  // One word of the text, at byte offset `position`. A lone hyphen is no word.
  void add(BytesView word, std::uint64_t position, const WordForms& forms);
  // Room for about `words` more word occurrences, so that the tables of
  // pairs and triples are not rehashed again and again while they grow.
  void reserve(std::size_t words);
  // Stops keeping positions (a second file, an ISCII file).
  void drop_positions();

  struct Spelling {
    Bytes text;
    std::uint32_t word;  // index into words()
  };
  const std::vector<Spelling>& spellings() const { return spellings_; }
  const std::vector<WordCount>& words() const { return words_; }
  std::int64_t total_words() const { return total_words_; }
  bool keeps_positions() const { return keep_positions_; }
  const std::vector<WordPosition>& positions() const { return positions_; }

  // Pairs keyed by (previous spelling, spelling); triples by the three.
  const std::unordered_map<std::uint64_t, std::int64_t>& pairs() const { return pairs_; }
  struct Triple {
    std::uint32_t first, second, third;
    bool operator==(const Triple&) const = default;
  };
  struct TripleHash {
    std::size_t operator()(const Triple& t) const noexcept {
      return (std::uint64_t{t.first} * 0x9E3779B97F4A7C15ull) ^ (std::uint64_t{t.second} * 0xC2B2AE3D27D4EB4Full) ^
             (std::uint64_t{t.third} * 0x165667B19E3779F9ull);
    }
  };
  const std::unordered_map<Triple, std::int64_t, TripleHash>& triples() const { return triples_; }

 private:
  struct Hash {
    using is_transparent = void;
    std::size_t operator()(std::string_view s) const noexcept { return std::hash<std::string_view>{}(s); }
  };
  std::uint32_t spelling_of(BytesView word, const WordForms& forms);

  bool keep_positions_;
  std::unordered_map<Bytes, std::uint32_t, Hash, std::equal_to<>> spelling_index_;
  std::unordered_map<Bytes, std::uint32_t, Hash, std::equal_to<>> word_index_;  // by key
  std::vector<Spelling> spellings_;
  std::vector<WordCount> words_;
  std::vector<std::int64_t> occurrences_;  // per word
  std::unordered_map<std::uint64_t, std::int64_t> pairs_;
  std::unordered_map<Triple, std::int64_t, TripleHash> triples_;
  std::vector<WordPosition> positions_;
  std::int64_t total_words_ = 0;
  std::int64_t previous_ = -1, before_previous_ = -1;  // spellings; carry over from file to file
  Bytes pivot_, work_;
};

}  // namespace quilm
