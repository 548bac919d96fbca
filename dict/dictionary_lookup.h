// Looking words up in the bilingual dictionaries. A Punjabi word (glyph
// bytes of font index 31) is found by its dictionary key; a word that is
// not a headword is tried in the spellings of the similar-word generator
// and through the table of roots (an inflected form to its root). An English
// word is found by its headword form. Every lookup leaves the dictionary
// table on the record it found, or on the nearest one when none.
#pragma once

#include "common/bytes.h"
#include "fonts/conversion.h"
#include "tables/table.h"

namespace quilm {

enum class LookupResult {
  Found,    // the word is a headword
  Similar,  // a spelling variant of the word is a headword
  Root,     // the word's root is a headword
  Nearest,  // none of these: the table is on the nearest headword
};

const char* lookup_result_name(LookupResult result);  // "found", "similar", "root", "nearest"

// `dictionary` is pbi_to_eng.DBF ordered by SORTWORD; `roots`, when not
// null, is wordroot1.DB ordered by SORTWORD.
LookupResult look_up_punjabi(BytesView word, Table& dictionary, Table* roots, const FontConverter& converter);

// `dictionary` is EngPbi.DBF ordered by WORD. The word is looked for with
// its first letter upper case and the rest lower case, then as typed.
LookupResult look_up_english(std::string_view word, Table& dictionary);

// The headword form of an English word: first letter upper case, the rest lower.
Bytes english_headword(std::string_view word);

}  // namespace quilm
