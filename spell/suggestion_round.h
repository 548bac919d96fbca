// One suggestion round for a misspelt word: the generators fill the list;
// for a Punjabi word the list is then ranked and cut. The results are pivot
// bytes (Punjabi) or lower-case English words; the caller converts Punjabi
// results into the word's font.
#pragma once

#include <vector>

#include "common/bytes.h"
#include "spell/lexicon.h"
#include "spell/word_frequencies.h"

namespace quilm {

std::vector<Bytes> punjabi_suggestions(const SpellLexicon& lexicon, const WordFrequencies& frequencies, BytesView word);
std::vector<Bytes> english_suggestions(const SpellLexicon& lexicon, BytesView word);

}  // namespace quilm
