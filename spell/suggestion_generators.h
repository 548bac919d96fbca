// The generators of candidate corrections for an unknown word. Each forms
// strings near the word by one edit rule, keeps those the word collections
// know, and appends them to the round's suggestion list. For a word in a
// Gurmukhi font the word is pivot bytes in lookup form; for other text the
// lower-case English word.
#pragma once

#include "common/bytes.h"
#include "spell/lexicon.h"
#include "spell/lookup_mode.h"
#include "spell/suggestion_list.h"

namespace quilm {

class SuggestionGenerators {
 public:
  SuggestionGenerators(const SpellLexicon& lexicon, LookupMode mode, SuggestionList& list)
      : lexicon_(lexicon), mode_(mode), list_(list) {}

  // Every generator in the order of a round; the letter exchange comes last.
  void run_all(BytesView word);

  void suggestion_substitute(BytesView word);
  void suggestion_missingchar(BytesView word);
  void suggestion_extrachar(BytesView word);
  void suggestion_positionchange(BytesView word);
  void suggestion_missing_space(BytesView word);
  void suggestion_replace_hyphen_with_space(BytesView word);
  void more_suggestion_list(BytesView word);
  // Two neighbouring letters exchanged, the signs between and around them
  // staying where they are (ਕਦਰਾ for ਕਰਦਾ): the byte exchange above only
  // finds it when no sign stands between the letters.
  void suggestion_letter_exchange(BytesView word);
  // A whole letter left out, put in, or exchanged with its neighbour, as
  // the word's Unicode letters are typed (letter_slips.h).
  void suggestion_letter_slips(BytesView word);

 private:
  bool accepted(BytesView candidate) const { return lexicon_.Lookup_dictionaries(candidate, mode_); }
  void add_if_accepted(BytesView candidate, std::size_t min_length);
  void add_special_if_accepted(BytesView candidate);
  void add_exchange(BytesView candidate);
  void expand_variant(BytesView variant);

  const SpellLexicon& lexicon_;
  LookupMode mode_;
  SuggestionList& list_;
};

// In Punjabi mode the substitutions and insertions are found through the
// lexicon's neighbour index, which gives the same candidates in the same
// order as trying every byte of the alphabet.

// Words shorter than this go through the edit generators.
inline constexpr std::size_t kEditGeneratorLimit = 22;

}  // namespace quilm
