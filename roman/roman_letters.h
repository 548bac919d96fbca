// The letter tables of the Roman-to-Gurmukhi rules (roman/tables/
// roman_letters.txt, compiled at build time) and the reading of a Roman word
// by position, where every place beyond the end reads as the zero byte.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "common/bytes.h"

namespace quilm {

// Which of the two rule engines a table or rule belongs to.
enum class RomanEngine { Full, Simple };

// Appends the pivot letter of one Roman byte (identity for bytes not listed).
void append_roman_to_pivot_letter(RomanEngine engine, std::uint8_t roman, Bytes& out);
// The aspirated consonant of `roman` followed by h, or 0 when it has none.
std::uint8_t roman_aspirate(RomanEngine engine, std::uint8_t roman);

// A Roman word read by position; positions past the end read as 0.
class RomanReader {
 public:
  explicit RomanReader(std::string_view word) : word_(word) {}
  std::size_t size() const { return word_.size(); }
  char at(std::size_t i) const { return i < word_.size() ? word_[i] : '\0'; }
  // Whether `pattern` stands at position i (wholly inside the word).
  bool has(std::size_t i, std::string_view pattern) const {
    return i <= word_.size() && word_.substr(i).substr(0, pattern.size()) == pattern;
  }
  // Whether `pattern` stands at i and ends the word.
  bool ends_with_at(std::size_t i, std::string_view pattern) const {
    return has(i, pattern) && i + pattern.size() == word_.size();
  }

 private:
  std::string_view word_;
};

// The vowels the rules look ahead for: A a e i o u.
inline bool is_lookahead_vowel(char c) {
  return c == 'A' || c == 'a' || c == 'e' || c == 'i' || c == 'o' || c == 'u';
}

}  // namespace quilm
