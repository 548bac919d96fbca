#include "translit/gurmukhi_to_roman.h"

#include "translit/pronunciation_rules.h"
#include "translit/roman_emission.h"
#include "translit/roman_key.h"

namespace quilm {

std::string transliterate_by_rules(BytesView key) {
  Bytes word(key);
  apply_pronunciation_rules(word);
  std::string roman = emit_roman(word);
  adjust_roman(roman);
  return roman;
}

RomanWord transliterate_word(BytesView pivot_word, RomanExceptionLookup* exceptions) {
  const Bytes key = roman_key(pivot_word);
  if (exceptions) {
    if (std::optional<std::string> known = exceptions->find(key)) return {std::move(*known), RomanSource::Exception};
  }
  return {transliterate_by_rules(key), RomanSource::Rules};
}

}  // namespace quilm
