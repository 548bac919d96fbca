#include "spell/suggestion_generators.h"

#include <array>
#include <functional>
#include <vector>

#include "encoding/byte_set.h"
#include "encoding/consonants.h"
#include "encoding/lookup_normalisation.h"
#include "encoding/pivot_bytes.h"
#include "spell/letter_slips.h"
#include "spell/spelling_variants.h"

namespace quilm {
namespace {

using namespace pivot;

// Bytes tried by insertion and substitution, ascending.
constexpr ByteSet punjabi_insertion_set() {
  ByteSet s{0x22, 0x26, 0x27, 0x2B, 0x2D, 0x2F, 0x3A, 0x3B, 0x3E, 0x3F, 0x4D, 0x4E, 0x8E, 0xA2, 0xA3, 0xE6};
  for (int b = 0x41; b <= 0x47; ++b) s.insert(static_cast<std::uint8_t>(b));
  for (int b = 0x49; b <= 0x4B; ++b) s.insert(static_cast<std::uint8_t>(b));
  for (int b = 0x50; b <= 0x5D; ++b) s.insert(static_cast<std::uint8_t>(b));
  for (int b = 0x5F; b <= 0x6B; ++b) s.insert(static_cast<std::uint8_t>(b));
  for (int b = 0x6D; b <= 0x7E; ++b) s.insert(static_cast<std::uint8_t>(b));
  return s;
}
constexpr ByteSet english_alphabet() {
  ByteSet s{0x2D};
  for (int b = 'a'; b <= 'z'; ++b) s.insert(static_cast<std::uint8_t>(b));
  return s;
}
constexpr ByteSet kPunjabiInsertion = punjabi_insertion_set();
constexpr ByteSet kPunjabiSubstitution = [] {
  ByteSet s = punjabi_insertion_set();
  s.erase(kHyphen);
  return s;
}();
constexpr ByteSet kEnglishAlphabet = english_alphabet();
static_assert(kPunjabiInsertion.size() == 71 && kPunjabiSubstitution.size() == 70 && kEnglishAlphabet.size() == 27);

// The members of a set in ascending order, as a list to loop over.
struct Alphabet {
  std::array<std::uint8_t, 256> bytes{};
  std::size_t size = 0;
};
constexpr Alphabet listed(ByteSet set) {
  Alphabet a;
  for (int b = 0; b < 256; ++b) {
    if (set.contains(static_cast<std::uint8_t>(b))) a.bytes[a.size++] = static_cast<std::uint8_t>(b);
  }
  return a;
}
constexpr Alphabet kInsertionPunjabi = listed(kPunjabiInsertion);
constexpr Alphabet kSubstitutionPunjabi = listed(kPunjabiSubstitution);
constexpr Alphabet kEnglish = listed(kEnglishAlphabet);

// Signs written above the letter, which the rotation pass moves.
constexpr ByteSet kRotatedSigns{kSignAU, kSignOO, kSignEE, kSignAI, kBindi, kAddak, kBindi2, kAddak2, kTippi};
constexpr std::uint8_t kYA = 0x3A;
// Consonants and vowel carriers.
constexpr ByteSet kLetters = kConsonant | ByteSet{0x52, kLetterA, kUra, kIri, 0x55, 0xA2, 0xA3};
constexpr BytesView kPluralEnding = "\x6E\x6B\x49";

std::uint8_t at(BytesView w, std::size_t i) { return byte_at(w, i); }

}  // namespace

void SuggestionGenerators::add_if_accepted(BytesView candidate, std::size_t min_length) {
  if (candidate.size() < min_length || list_.contains(candidate)) return;
  if (accepted(candidate)) list_.add_new(candidate);
}

void SuggestionGenerators::add_special_if_accepted(BytesView candidate) {
  if (list_.contains(candidate) || !accepted(candidate)) return;
  list_.add_new(candidate);
  list_.special_index = static_cast<int>(list_.size()) - 1;
}

void SuggestionGenerators::suggestion_substitute(BytesView word) {
  const Alphabet& alphabet = mode_ == LookupMode::Punjabi ? kSubstitutionPunjabi : kEnglish;
  const bool indexed = mode_ == LookupMode::Punjabi && word.size() >= 2;
  Bytes c(word), rest;
  for (std::size_t i = 0; i < word.size(); ++i) {
    if (indexed) {
      rest.assign(word.substr(0, i));
      rest += word.substr(i + 1);
      for (char b : lexicon_.punjabi_neighbours().bytes_at(rest, i)) {
        if (!kPunjabiSubstitution.contains(b)) continue;
        c[i] = b;
        add_if_accepted(c, 0);
      }
    } else {
      for (std::size_t k = 0; k < alphabet.size; ++k) {
        c[i] = static_cast<char>(alphabet.bytes[k]);
        add_if_accepted(c, 0);
      }
    }
    c[i] = word[i];
  }
  const std::size_t n = word.size();
  for (std::size_t i = 1; i < n; ++i) {  // YA for I sign, IRI, A
    if (at(word, i) == kYA) add_special_if_accepted(Bytes(word.substr(0, i)) + "\x66\x4A\x6E" + Bytes(word.substr(i + 1)));
  }
  for (std::size_t i = 1; i < n; ++i) {  // X YA for I sign, X, A
    if (at(word, i) == kYA) {
      add_special_if_accepted(Bytes(word.substr(0, i - 1)) + "\x66" + word[i - 1] + "\x6E" + Bytes(word.substr(i + 1)));
    }
  }
  for (std::size_t i = 0; i + 1 < n; ++i) {  // I sign before X: X with II sign
    if (at(word, i) != kSihari) continue;
    Bytes v(word);
    v[i] = word[i + 1];
    v[i + 1] = static_cast<char>(kSignII);
    add_special_if_accepted(v);
  }
  for (std::size_t i = 1; i < n; ++i) {  // X with II sign: I sign before X
    if (at(word, i) != kSignII) continue;
    Bytes v(word);
    v[i - 1] = static_cast<char>(kSihari);
    v[i] = word[i - 1];
    add_special_if_accepted(v);
  }
}

void SuggestionGenerators::suggestion_missingchar(BytesView word) {
  const Alphabet& alphabet = mode_ == LookupMode::Punjabi ? kInsertionPunjabi : kEnglish;
  const bool indexed = mode_ == LookupMode::Punjabi && !word.empty();
  Bytes c;
  for (std::size_t p = 0; p <= word.size(); ++p) {
    c.assign(word.substr(0, p));
    c.push_back('\0');
    c.append(word.substr(p));
    if (indexed) {
      for (char b : lexicon_.punjabi_neighbours().bytes_at(word, p)) {
        if (!kPunjabiInsertion.contains(b)) continue;
        c[p] = b;
        add_if_accepted(c, 2);
      }
      continue;
    }
    for (std::size_t k = 0; k < alphabet.size; ++k) {
      c[p] = static_cast<char>(alphabet.bytes[k]);
      add_if_accepted(c, 2);
    }
  }
}

void SuggestionGenerators::suggestion_extrachar(BytesView word) {
  if (word.size() < 3) return;
  Bytes c;
  for (std::size_t i = 0; i < word.size(); ++i) {
    c.assign(word.substr(0, i));
    c.append(word.substr(i + 1));
    add_if_accepted(c, 2);
  }
}

// Exchange candidates are brought to lookup form first; English words are
// not, since the Gurmukhi rules would rewrite their letters as glyphs.
void SuggestionGenerators::add_exchange(BytesView candidate) {
  if (mode_ == LookupMode::English) {
    add_if_accepted(candidate, 2);
    return;
  }
  add_if_accepted(convert_for_gurmukhi(candidate).word, 2);
}

void SuggestionGenerators::suggestion_positionchange(BytesView word) {
  const std::size_t n = word.size();
  for (std::size_t i = 0; i + 1 < n; ++i) {
    Bytes c(word);
    std::swap(c[i], c[i + 1]);
    add_exchange(c);
  }
  Bytes rotating(word);
  for (std::size_t p = 0; p + 2 < n; ++p) {
    if (!kRotatedSigns.contains(rotating[p])) continue;
    const char moved = rotating[p];
    rotating[p] = rotating[p + 1];
    rotating[p + 1] = rotating[p + 2];
    rotating[p + 2] = moved;
    add_exchange(rotating);
  }
  Bytes sihari(word);
  for (std::size_t p = 0; p + 1 < n; ++p) {
    if (at(sihari, p) != kSihari) continue;
    sihari[p] = sihari[p + 1];
    sihari[p + 1] = static_cast<char>(kSignII);
    add_exchange(sihari);
  }
}

void SuggestionGenerators::suggestion_missing_space(BytesView word) {
  const std::size_t n = word.size();
  if (n < 4) return;
  for (std::size_t k = 2; k + 2 <= n; ++k) {
    const BytesView left = word.substr(0, k), right = word.substr(k);
    if (!accepted(left) || right == kPluralEnding || !accepted(right)) continue;
    list_.add_always(Bytes(left) + ' ' + Bytes(right));
  }
}

void SuggestionGenerators::suggestion_replace_hyphen_with_space(BytesView word) {
  const std::size_t n = word.size();
  if (n < 3) return;
  for (std::size_t i = 1; i + 1 < n; ++i) {
    if (at(word, i) != kHyphen) continue;
    const BytesView left = word.substr(0, i), right = word.substr(i + 1);
    if (accepted(left) && accepted(right)) list_.add_always(Bytes(left) + ' ' + Bytes(right));
  }
}

void SuggestionGenerators::expand_variant(BytesView variant) {
  if (variant.size() >= kEditGeneratorLimit) return;
  suggestion_missingchar(variant);
  suggestion_extrachar(variant);
  suggestion_positionchange(variant);
  suggestion_substitute(variant);
}

void SuggestionGenerators::more_suggestion_list(BytesView word) {
  for_each_spelling_variant(word, [this](BytesView variant) { expand_variant(variant); });
}

void SuggestionGenerators::suggestion_letter_exchange(BytesView word) {
  std::vector<std::size_t> letters;
  for (std::size_t i = 0; i < word.size(); ++i) {
    if (kLetters.contains(word[i])) letters.push_back(i);
  }
  for (std::size_t k = 0; k + 1 < letters.size(); ++k) {
    if (letters[k + 1] == letters[k] + 1) continue;  // the byte exchange found it
    Bytes c(word);
    std::swap(c[letters[k]], c[letters[k + 1]]);
    add_exchange(c);
  }
}

void SuggestionGenerators::suggestion_letter_slips(BytesView word) {
  const auto add = [this](BytesView candidate) { add_if_accepted(candidate, 2); };
  for_each_letter_dropped(word, add);
  for_each_letters_exchanged(word, add);
  lexicon_.punjabi_letter_drops().for_each_longer(word, add);
}

void SuggestionGenerators::run_all(BytesView word) {
  if (word.size() < kEditGeneratorLimit) {
    suggestion_substitute(word);
    suggestion_missingchar(word);
    suggestion_extrachar(word);
    suggestion_positionchange(word);
  }
  if (mode_ != LookupMode::Punjabi) return;
  suggestion_missing_space(word);
  suggestion_replace_hyphen_with_space(word);
  if (word.size() > 2) more_suggestion_list(word);
  suggestion_letter_exchange(word);
  if (word.size() < kEditGeneratorLimit) suggestion_letter_slips(word);
}

}  // namespace quilm
