// Building the program's word files from the word list source kept under
// data/spell: lines "WORD<TAB>COUNT<TAB>SOURCES", the word in UTF-8 Unicode
// Gurmukhi. Each word is read like Unicode document text into pivot bytes
// and brought to lookup form, which is what the main word list holds and
// what the frequency table is keyed by.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "common/bytes.h"
#include "common/status.h"
#include "spell/word_sections.h"

namespace quilm {

struct BuiltWordList {
  WordSections words;                                   // sections 1 .. 21, 20 and 21 empty
  std::vector<std::pair<Bytes, std::int64_t>> counts;  // lookup form and count
  std::size_t read = 0;
  std::size_t too_long = 0;      // more than 19 bytes in lookup form
  std::size_t not_gurmukhi = 0;  // characters outside Gurmukhi words
};

// Fails on a line that is not "WORD<TAB>COUNT[<TAB>...]" or not UTF-8.
Status build_word_list(BytesView source, BuiltWordList* out);

// The pivot lookup form of a Unicode Gurmukhi word.
Bytes lookup_form_of_unicode(std::u16string_view word);

}  // namespace quilm
