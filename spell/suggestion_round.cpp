#include "spell/suggestion_round.h"

#include "spell/suggestion_generators.h"
#include "spell/suggestion_ranking.h"

namespace quilm {

std::vector<Bytes> punjabi_suggestions(const SpellLexicon& lexicon, const WordFrequencies& frequencies, BytesView word) {
  SuggestionList list;
  SuggestionGenerators(lexicon, LookupMode::Punjabi, list).run_all(word);
  std::vector<Bytes> ranked = std::move(list.entries());
  sort_suggestion_list(word, ranked, list.special_index, frequencies);
  return ranked;
}

std::vector<Bytes> english_suggestions(const SpellLexicon& lexicon, BytesView word) {
  SuggestionList list;
  SuggestionGenerators(lexicon, LookupMode::English, list).run_all(word);
  return std::move(list.entries());
}

}  // namespace quilm
