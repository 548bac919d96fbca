// The administrative terms (table adt): an English term found by its
// lower-case lookup form ROMAN, and the text put into the document for it.
#pragma once

#include <string_view>

#include "common/bytes.h"
#include "tables/table.h"

namespace quilm {

struct AdminTerm {
  Bytes english;
  Bytes punjabi;      // glyph bytes of font index 31
  bool exact = false;  // the term itself; otherwise the nearest after it
};

// Moves `adt` (ordered by ROMAN) to the nearest term to `text`, compared
// without regard to ASCII case. False when the table is empty or every term
// comes before `text`.
bool find_admin_term(Table& adt, std::string_view text, AdminTerm& term);

// What inserting a term puts into the document: a blank, the term, a blank.
Bytes admin_term_insertion(BytesView punjabi);

}  // namespace quilm
