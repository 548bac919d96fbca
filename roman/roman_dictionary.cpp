#include "roman/roman_dictionary.h"

#include <algorithm>

#include "roman/table_rows.h"

namespace quilm {

Status RomanDictionary::load(const std::filesystem::path& table_file) {
  words_.clear();
  return read_table_rows(table_file, {"Roman", "Gurmukhi"}, [&](const std::vector<FieldValue>& row) {
    Bytes roman = row[0].as_text();
    Bytes pivot = row[1].as_text();
    if (!roman.empty() && !pivot.empty()) add(lower_roman(roman), std::move(pivot));
  });
}

std::span<const Bytes> RomanDictionary::find(std::string_view roman) const {
  const auto it = words_.find(roman);
  if (it == words_.end()) return {};
  return it->second;
}

std::string lower_roman(std::string_view roman) {
  std::string out(roman);
  for (char& c : out)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return out;
}

namespace {

constexpr std::size_t kMostCandidates = 14;

void append_new(std::span<const Bytes> words, std::size_t limit, std::vector<Bytes>& out) {
  for (std::size_t i = 0; i < words.size() && i < limit && out.size() < kMostCandidates; ++i)
    if (std::find(out.begin(), out.end(), words[i]) == out.end()) out.push_back(words[i]);
}

std::vector<Bytes> search(const RomanDictionaries& dictionaries, std::string_view roman, std::size_t punjabi_limit) {
  const std::string key = lower_roman(roman);
  std::vector<Bytes> out;
  append_new(dictionaries.punjabi.find(key), punjabi_limit, out);
  append_new(dictionaries.english.find(key), kMostCandidates, out);
  return out;
}

}  // namespace

std::vector<Bytes> search_roman_word(const RomanDictionaries& dictionaries, std::string_view roman) {
  return search(dictionaries, roman, 5);
}

std::vector<Bytes> search_roman_word_window(const RomanDictionaries& dictionaries, std::string_view roman) {
  return search(dictionaries, roman, kMostCandidates);
}

}  // namespace quilm
