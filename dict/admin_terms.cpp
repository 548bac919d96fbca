#include "dict/admin_terms.h"

namespace quilm {

bool find_admin_term(Table& adt, std::string_view text, AdminTerm& term) {
  const Bytes roman = ascii_lower(text);
  if (!adt.SetIndexName("ROMAN") || !adt.FindNearest({FieldValue(roman)})) return false;
  term.english = adt.FieldByName("ENGLISH").as_text();
  term.punjabi = adt.FieldByName("PUNJABI").as_text();
  term.exact = adt.FieldByName("ROMAN").as_text() == roman;
  return true;
}

Bytes admin_term_insertion(BytesView punjabi) { return " " + Bytes(punjabi) + " "; }

}  // namespace quilm
