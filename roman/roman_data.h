// Everything the Roman-to-Gurmukhi conversion reads from the data folder,
// loaded once through read-only handles: the Roman and English dictionaries,
// the abbreviations, the Roman statistics, the window trigrams and the main
// word list; the user's own Roman words (user_roman_words.h) join the Roman
// dictionary.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "common/status.h"
#include "roman/abbreviations.h"
#include "roman/known_words.h"
#include "roman/recent_choices.h"
#include "roman/roman_dictionary.h"
#include "roman/roman_statistics.h"
#include "roman/window_trigrams.h"
#include "spell/lexicon.h"

namespace quilm {

struct RomanData {
  RomanDictionaries dictionaries;
  Abbreviations abbreviations;
  RomanStatistics statistics;
  WindowTrigrams window_trigrams;  // the trigram queue's counts
  SpellLexicon lexicon;
  RecentChoices recent;
  RomanKnownWords known{&lexicon, &statistics};

  RomanData() = default;
  RomanData(const RomanData&) = delete;
  RomanData& operator=(const RomanData&) = delete;
};

// Loads what the data folder holds. Only a missing or damaged Roman
// dictionary fails the load; each other missing piece is named in
// `warnings` and the conversion goes on without it.
Status load_roman_data(const std::filesystem::path& data_folder, RomanData* data, std::vector<std::string>* warnings);

}  // namespace quilm
