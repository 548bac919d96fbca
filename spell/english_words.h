// The English word table ed.db (field "Word", the lower-case word, its
// primary key), held in memory as a set for the checker's lookups; words
// the user adds go into the table file and the set.
#pragma once

#include <filesystem>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "common/bytes.h"
#include "common/status.h"
#include "spell/word_sections.h"

namespace quilm {

inline constexpr std::string_view kEnglishTableFile = "ed.db";

class EnglishWords {
 public:
  // Reads every word of the table file.
  Status load(const std::filesystem::path& table_file);
  bool holds(BytesView word) const { return words_.find(word) != words_.end(); }
  std::size_t size() const { return words_.size(); }

  // Stores `word` in the table file it was loaded from and in memory.
  Status add(BytesView word);
  // In memory only (tests, and words a caller has stored itself).
  void insert(BytesView word) { words_.insert(Bytes(word)); }

 private:
  std::filesystem::path file_;
  std::unordered_set<Bytes, TransparentBytesHash, std::equal_to<>> words_;
};

// Fills the empty table file `table_file` (made from data/tables/ed.db.schema)
// with `words`, lower-cased, once each, in one transaction.
Status fill_english_table(const std::filesystem::path& table_file, const std::vector<Bytes>& words);

}  // namespace quilm
