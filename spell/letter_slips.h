// Slips of a whole letter as a writer of Unicode text makes them: a letter
// left out, one put in, two neighbouring letters exchanged, each letter an
// independent vowel or a consonant (with its nukta), the signs staying where
// they stand. In pivot bytes such a slip can move more than one byte (the I
// sign stands before its consonant, an independent vowel is carrier and
// sign), so the one-byte generators miss it; these work on the word's
// Unicode letters and give pivot words in lookup form.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "common/bytes.h"

namespace quilm {

// Gurmukhi letters: consonants (U+0A15-U+0A39, U+0A59-U+0A5E, U+0A72,
// U+0A73) and independent vowels (U+0A05-U+0A14).
bool is_gurmukhi_letter(char16_t c);

// The word (pivot, lookup form) with one of its letters left out, for each
// letter in turn.
void for_each_letter_dropped(BytesView word, const std::function<void(BytesView)>& each);
// The word with two neighbouring letters exchanged, for each pair in turn.
void for_each_letters_exchanged(BytesView word, const std::function<void(BytesView)>& each);

// The words that lose one letter to become a given string: for every word
// added and each of its letters, the word without that letter leads back to
// the word. A word one letter short of a known word then costs one search.
class LetterDropIndex {
 public:
  void add_word(BytesView word);
  // Sorts what was added; searches before it see only the words added after
  // the last call in a slower way.
  void seal();
  // Each word that `shorter` is with one letter dropped (each once).
  void for_each_longer(BytesView shorter, const std::function<void(BytesView)>& each) const;

 private:
  std::vector<Bytes> words_;
  std::vector<std::pair<Bytes, std::uint32_t>> sorted_;  // key, index into words_
  std::vector<std::pair<Bytes, std::uint32_t>> recent_;  // added after seal()
};

}  // namespace quilm
