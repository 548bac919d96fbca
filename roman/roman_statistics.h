// The Roman statistics: word, pair and triple counts of Punjabi text
// (RomanGur/WordFreq.db, BiGram.db, TriGram.db) read once into memory through
// read-only handles. The text analysis writes tables of the same form in its
// own folder; nothing here ever writes, so an analysis cannot change them.
#pragma once

#include <filesystem>
#include <string>
#include <unordered_map>

#include "common/bytes.h"
#include "common/status.h"

namespace quilm {

inline constexpr std::string_view kRomanStatisticsFolder = "RomanGur";

class RomanStatistics {
 public:
  // Loads the three tables of `folder`. Each table that is missing or
  // unreadable stays empty and is named in the returned error; the others
  // are still loaded.
  Status load(const std::filesystem::path& folder);
  // Whether all three tables were loaded (the ranking uses them only then).
  bool complete() const { return words_loaded_ && pairs_loaded_ && triples_loaded_; }

  // Direct filling, for building and tests.
  void add_word(BytesView pivot, long count);
  void add_pair(BytesView previous, BytesView word, long count);
  void add_triple(BytesView before_previous, BytesView previous, BytesView word, long count);
  void mark_complete() { words_loaded_ = pairs_loaded_ = triples_loaded_ = true; }

  // The count of the word whose collation key `pivot` shares (0 if none).
  long word_count(BytesView pivot) const;
  // Whether the word table holds exactly this pivot word.
  bool holds_word(BytesView pivot) const;
  // The pair (previous, word) and triple counts, 0 when not recorded.
  long pair_count(BytesView previous, BytesView word) const;
  long triple_count(BytesView before_previous, BytesView previous, BytesView word) const;
  bool has_pair(BytesView previous, BytesView word) const;

 private:
  struct WordEntry {
    Bytes word;
    long count = 0;
  };
  std::unordered_map<Bytes, WordEntry> words_;  // by collation key
  std::unordered_map<Bytes, long> pairs_;       // "previous\0word"
  std::unordered_map<Bytes, long> triples_;     // "before\0previous\0word"
  bool words_loaded_ = false, pairs_loaded_ = false, triples_loaded_ = false;
};

}  // namespace quilm
