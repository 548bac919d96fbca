// Everything the spelling checker reads from the data folder: the main word
// list, the ignore list, the additional dictionary (Dict/<name>), the
// English words (ed.db) and the word frequencies (PunjabiFreq.DB).
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "common/status.h"
#include "spell/lexicon.h"
#include "spell/word_frequencies.h"

namespace quilm {

struct SpellData {
  SpellLexicon lexicon;
  WordFrequencies frequencies;
};

// Loads every collection. A main list that cannot be read whole fails the
// load; the other files are reported in `warnings` and the checker goes on
// with what was read (a partly read additional dictionary is then never
// written back).
Status load_spell_data(const std::filesystem::path& data_folder, const std::string& dictionary_name, SpellData* data,
                       std::vector<std::string>* warnings);

std::filesystem::path additional_dictionary_path(const std::filesystem::path& data_folder, const std::string& name);

}  // namespace quilm
