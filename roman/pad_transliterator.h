// The transliteration of one word of the typing pad, remembered: the
// candidates of a Roman word depend only on the word, the two words written
// before it and whether a full stop follows it, so each such question is
// answered once. The user's recent choice for the word is put first on
// every answer, so that a choice holds wherever the word is written.
#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "common/bytes.h"
#include "roman/roman_data.h"
#include "roman/roman_to_gurmukhi.h"

namespace quilm {

class PadTransliterator {
 public:
  explicit PadTransliterator(RomanData& data) : data_(data) {}

  // The candidates of `word` (letters only; empty for an empty word), best
  // first, lower-cased first when `ignore_case`.
  std::vector<RomanCandidate> candidates(std::string_view word, const RomanWordContext& context, bool ignore_case);

  // Forgets every answer (after the dictionaries changed).
  void clear() { cache_.clear(); }
  RomanData& data() { return data_; }

 private:
  // Remembered answers beyond this many are dropped all at once.
  static constexpr std::size_t kMostRemembered = 100000;
  RomanData& data_;
  std::unordered_map<std::string, std::vector<RomanCandidate>> cache_;
};

}  // namespace quilm
