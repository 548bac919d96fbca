#include "roman/roman_statistics.h"

#include "roman/table_rows.h"
#include "sort/sort_key.h"

namespace quilm {
namespace {

Bytes joined(std::initializer_list<BytesView> words) {
  Bytes key;
  for (BytesView w : words) {
    if (!key.empty()) key += '\0';
    key += w;
  }
  return key;
}

template <typename Map>
long count_in(const Map& map, const Bytes& key) {
  const auto it = map.find(key);
  return it == map.end() ? 0 : it->second;
}

void note_failure(const Status& s, std::string& problems) {
  if (s) return;
  problems += (problems.empty() ? "" : "; ") + s.message();
}

}  // namespace

Status RomanStatistics::load(const std::filesystem::path& folder) {
  words_.clear();
  pairs_.clear();
  triples_.clear();
  std::string problems;
  const Status words = read_table_rows(folder / "WordFreq.db", {"Word", "Frequency"},
                                       [&](const auto& row) { add_word(row[0].as_text(), row[1].as_integer()); });
  const Status pairs = read_table_rows(folder / "BiGram.db", {"pword", "word", "Count"}, [&](const auto& row) {
    add_pair(row[0].as_text(), row[1].as_text(), row[2].as_integer());
  });
  const Status triples =
      read_table_rows(folder / "TriGram.db", {"ppword", "pword", "word", "Count"}, [&](const auto& row) {
        add_triple(row[0].as_text(), row[1].as_text(), row[2].as_text(), row[3].as_integer());
      });
  words_loaded_ = static_cast<bool>(words);
  pairs_loaded_ = static_cast<bool>(pairs);
  triples_loaded_ = static_cast<bool>(triples);
  note_failure(words, problems);
  note_failure(pairs, problems);
  note_failure(triples, problems);
  return problems.empty() ? Status::Ok() : Status::Error(problems);
}

void RomanStatistics::add_word(BytesView pivot, long count) {
  WordEntry& entry = words_[ConvertGurmukhiToSort(pivot)];
  if (entry.word.empty()) entry.word = Bytes(pivot);
  entry.count += count;
}

void RomanStatistics::add_pair(BytesView previous, BytesView word, long count) {
  pairs_[joined({previous, word})] += count;
}

void RomanStatistics::add_triple(BytesView before_previous, BytesView previous, BytesView word, long count) {
  triples_[joined({before_previous, previous, word})] += count;
}

long RomanStatistics::word_count(BytesView pivot) const {
  const auto it = words_.find(ConvertGurmukhiToSort(pivot));
  return it == words_.end() ? 0 : it->second.count;
}

bool RomanStatistics::holds_word(BytesView pivot) const {
  const auto it = words_.find(ConvertGurmukhiToSort(pivot));
  return it != words_.end() && it->second.word == pivot;
}

long RomanStatistics::pair_count(BytesView previous, BytesView word) const {
  if (previous.empty()) return 0;
  return count_in(pairs_, joined({previous, word}));
}

bool RomanStatistics::has_pair(BytesView previous, BytesView word) const {
  return !previous.empty() && pairs_.count(joined({previous, word})) != 0;
}

long RomanStatistics::triple_count(BytesView before_previous, BytesView previous, BytesView word) const {
  if (before_previous.empty() || previous.empty()) return 0;
  return count_in(triples_, joined({before_previous, previous, word}));
}

}  // namespace quilm
