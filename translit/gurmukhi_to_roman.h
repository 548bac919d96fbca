// Gurmukhi to Roman: a pivot word in, its Roman spelling out. The word is
// brought into its canonical form (roman_key.h) and looked up among the
// known transliterations; a word that is not there is spelled by the rules:
// the pronunciation rules on the Gurmukhi side, the letter-by-letter
// emission, and the adjustments of the Roman letters.
//
// The Roman text is bytes: ASCII letters and punctuation, and the two
// Windows-1252 quotation marks 0x91 and 0x92 (roman_text.h turns it into
// Unicode).
#pragma once

#include <optional>
#include <string>

#include "common/bytes.h"

namespace quilm {

// The known transliterations (GurRoman.db, roman_exceptions.h), or none.
class RomanExceptionLookup {
 public:
  virtual ~RomanExceptionLookup() = default;
  // The stored Roman form of a word in canonical form, or nullopt.
  virtual std::optional<std::string> find(BytesView key) = 0;
};

// Where the spelling of a word came from.
enum class RomanSource { Exception, Rules };

struct RomanWord {
  std::string roman;
  RomanSource source = RomanSource::Rules;
};

// `exceptions` may be null: the rules spell every word.
RomanWord transliterate_word(BytesView pivot_word, RomanExceptionLookup* exceptions);

// The rules alone, for a word already in canonical form.
std::string transliterate_by_rules(BytesView key);

}  // namespace quilm
