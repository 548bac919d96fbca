#include "spell/word_sections.h"

#include <algorithm>

namespace quilm {

WordSections::WordSections(int section_count) : sections_(static_cast<std::size_t>(section_count) + 1) {}

std::size_t WordSections::total_words() const {
  std::size_t n = 0;
  for (const Section& s : sections_) n += s.words.size();
  return n;
}

void WordSections::note_findable(int s, const Bytes& word) {
  const bool own_length = word.size() == static_cast<std::size_t>(s);
  const bool long_word_record = s == section_count() && word.size() == static_cast<std::size_t>(s) + 1;
  if (own_length || long_word_record) findable_.insert(word);
}

void WordSections::append_loaded(int s, Bytes word) {
  Section& section = sections_.at(s);
  note_findable(s, word);
  section.words.push_back(std::move(word));
}

bool WordSections::insert_sorted(int s, BytesView word) {
  Section& section = sections_.at(s);
  if (section.words.size() + 1 >= section.capacity) return false;
  Bytes record(word.substr(0, static_cast<std::size_t>(s) + 1));
  const auto at = std::lower_bound(section.words.begin(), section.words.end(), record);
  note_findable(s, record);
  section.words.insert(at, std::move(record));
  return true;
}

bool WordSections::section_holds(int s, BytesView word) const {
  const std::vector<Bytes>& words = sections_.at(s).words;
  return std::binary_search(words.begin(), words.end(), word, std::less<>());
}

}  // namespace quilm
