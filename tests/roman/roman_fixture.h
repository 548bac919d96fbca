// Small Roman data for the tests: a word list, statistics and dictionaries
// filled directly, Gurmukhi written as UTF-8 and kept as pivot bytes.
#pragma once

#include <algorithm>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "encoding/unicode_input.h"
#include "encoding/unicode_output.h"
#include "encoding/utf16.h"
#include "roman/roman_data.h"
#include "spell/word_sections.h"

namespace quilm::test {

inline Bytes pivot(std::string_view utf8) { return UniCodetoGur(*from_utf8(utf8)); }
inline std::string utf8(BytesView pivot_word) { return to_utf8(GurToUnicode(pivot_word)); }

inline std::vector<std::string> utf8_all(const std::vector<Bytes>& words) {
  std::vector<std::string> out;
  for (const Bytes& w : words) out.push_back(utf8(w));
  return out;
}

inline void set_known_words(SpellLexicon& lexicon, const std::vector<Bytes>& words) {
  WordSections sections(21);
  std::vector<Bytes> sorted = words;
  std::sort(sorted.begin(), sorted.end());
  for (const Bytes& w : sorted) sections.append_loaded(std::min<int>(static_cast<int>(w.size()), 21), w);
  lexicon.set_main_list(std::move(sections));
}

}  // namespace quilm::test
