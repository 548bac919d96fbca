// Spelling generation for a Roman word that no Roman dictionary holds: the
// word is rewritten by ordered spelling passes (other vowel lengths, the
// retroflex and aspirated letters, nukta letters, doubled consonants ...),
// each Roman form is spelled by the simple rule engine, and the spellings
// get CHA and addak or tippi variants. Only spellings a word list or the
// Roman statistics confirm are given out.
#pragma once

#include <string_view>
#include <vector>

#include "common/bytes.h"
#include "roman/known_words.h"

namespace quilm {

// The most Roman forms one word may grow to; the passes stop adding there.
inline constexpr std::size_t kMostRomanForms = 513;
// Beyond this many forms only confirmed spellings are added.
inline constexpr std::size_t kFreeRomanForms = 312;

struct RomanForm {
  std::string roman;
  Bytes pivot;
};

// The Roman forms of `roman` and their simple spellings, form 0 first;
// never more than kMostRomanForms.
std::vector<RomanForm> roman_forms(std::string_view roman, const RomanKnownWords& known);

// GenerateAllForms: the confirmed spellings of the forms and their CHA and
// addak variants, none of `fixed`, no word twice, at most `limit`.
std::vector<Bytes> GenerateAllForms(std::string_view roman, const std::vector<Bytes>& fixed,
                                    const RomanKnownWords& known, std::size_t limit);

// One variant per CA with that CA written as CHA.
std::vector<Bytes> GenerateChhForms(BytesView word);
// At most one variant per position: addak before a consonant that can be
// doubled, tippi before NA or MA (and before a sihari that NA or MA follows).
std::vector<Bytes> GenerateAddakForms(BytesView word);

}  // namespace quilm
