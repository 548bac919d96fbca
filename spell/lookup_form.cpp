#include "spell/lookup_form.h"

#include "encoding/lookup_normalisation.h"
#include "encoding/unicode_input.h"
#include "fonts/font_index.h"
#include "fonts/format_for_gurmukhi.h"

namespace quilm {

Bytes english_dic_format(BytesView word) {
  Bytes w(word);
  for (char& c : w) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  const auto outer = [](char c) { return c == '\'' || c == '-'; };
  if (w.size() > 1 && outer(w.front())) w.erase(0, 1);
  if (w.size() > 1 && outer(w.back())) w.pop_back();
  return w;
}

Bytes convert_dic_format(BytesView word, LookupMode mode, int font_index, const FontConverter& converter) {
  if (mode == LookupMode::English) return english_dic_format(word);
  return converter.conversion(word, font_index, font_index::kPivot, true);
}

Bytes unicode_word_to_pivot(std::u16string_view word) {
  Bytes pivot = UniCodetoGur(word);
  Format_for_Gurmukhi_in_place(pivot);
  return pivot;
}

LookupWord punjabi_lookup_word(BytesView pivot) {
  LookupForm form = convert_for_gurmukhi(pivot);
  const bool changed = form.changed.value_or(false);
  return {std::move(form.word), changed && !pivot.empty() && pivot.front() != '-'};
}

}  // namespace quilm
