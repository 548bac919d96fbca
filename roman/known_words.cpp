#include "roman/known_words.h"

#include "encoding/lookup_normalisation.h"

namespace quilm {

bool RomanKnownWords::is_known_word(BytesView pivot) const {
  if (lexicon_ == nullptr || pivot.empty()) return false;
  return lexicon_->Lookup_dictionaries(convert_for_gurmukhi(pivot).word, LookupMode::Punjabi);
}

bool RomanKnownWords::ScanDictionaryAndCorpus(BytesView pivot) const {
  if (is_known_word(pivot)) return true;
  return statistics_ != nullptr && statistics_->holds_word(pivot);
}

}  // namespace quilm
