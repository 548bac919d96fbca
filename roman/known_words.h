// Whether a pivot Gurmukhi word is confirmed: a word of the spelling
// checker's word lists (looked up as pivot bytes, whatever font the
// document or the spelling checker last used) or a word of the Roman
// statistics (ScanDictionaryAndCorpus).
#pragma once

#include "common/bytes.h"
#include "roman/roman_statistics.h"
#include "spell/lexicon.h"

namespace quilm {

class RomanKnownWords {
 public:
  // Either may be null: a missing collection confirms nothing.
  RomanKnownWords(const SpellLexicon* lexicon, const RomanStatistics* statistics)
      : lexicon_(lexicon), statistics_(statistics) {}
  // A word of the word lists (its lookup form).
  bool is_known_word(BytesView pivot) const;
  // A known word or a word of the Roman statistics.
  bool ScanDictionaryAndCorpus(BytesView pivot) const;

 private:
  const SpellLexicon* lexicon_;
  const RomanStatistics* statistics_;
};

}  // namespace quilm
