// A Roman dictionary in memory: lower-case Roman spellings to pivot
// Gurmukhi words, several words per spelling in the order of the table's
// records (RomanGur.dbf for Punjabi words, EnglishGur.DBF for English words
// written in Gurmukhi; fields "Roman" and "Gurmukhi"). Loaded once through a
// read-only handle; it stays valid for the whole run, whatever window opens
// or closes.
#pragma once

#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "common/bytes.h"
#include "common/status.h"

namespace quilm {

inline constexpr std::string_view kRomanDictionaryFile = "RomanGur.dbf";
inline constexpr std::string_view kEnglishDictionaryFile = "EnglishGur.DBF";

class RomanDictionary {
 public:
  Status load(const std::filesystem::path& table_file);
  void add(std::string roman, Bytes pivot) { words_[std::move(roman)].push_back(std::move(pivot)); }
  // The words spelled `roman` (exact, case-sensitive), in record order.
  std::span<const Bytes> find(std::string_view roman) const;
  std::size_t spelling_count() const { return words_.size(); }

 private:
  struct Hash {
    using is_transparent = void;
    std::size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
  };
  std::unordered_map<std::string, std::vector<Bytes>, Hash, std::equal_to<>> words_;
};

// The two dictionaries the lookups consult.
struct RomanDictionaries {
  RomanDictionary punjabi;
  RomanDictionary english;
};

// The lookup of the rule engine: the Roman word lower-cased; at most 5
// spellings from the Punjabi dictionary (the first and the next 4 records),
// then English spellings up to 14 in all; no word twice.
std::vector<Bytes> search_roman_word(const RomanDictionaries& dictionaries, std::string_view roman);

// The lookup of the Roman-to-Gurmukhi window and the typing pad: the word
// lower-cased; up to 14 Punjabi spellings, then English ones up to 14 in
// all; no word twice.
std::vector<Bytes> search_roman_word_window(const RomanDictionaries& dictionaries, std::string_view roman);

// ASCII letters lower-cased, other bytes unchanged.
std::string lower_roman(std::string_view roman);

}  // namespace quilm
