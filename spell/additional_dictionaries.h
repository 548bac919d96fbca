// The choice of the additional dictionary ("Additional Dictionary", opened by
// "&Options..." of the spelling check): the dictionaries of the data
// folder's Dict/ folder, and the switch to another one.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "common/status.h"
#include "spell/lexicon.h"

namespace quilm {

// The names (file name and extension) of the files Dict/*.dic of the data
// folder, in name order; none when the folder is missing.
std::vector<std::string> additional_dictionary_names(const std::filesystem::path& data_folder);

enum class DictionarySwitch { Unchanged, Switched, Refused };

// Makes `chosen` the additional dictionary: `current_name` (the setting)
// becomes it and the lexicon reads it afresh. An empty choice, or the
// current one, changes nothing, so the words added in this run stay. The
// dictionary in use is written back first, so that the words added to it
// in this run are kept; when that fails nothing is switched (Refused, with
// the reason in `problem`). A new dictionary that cannot be read whole
// leaves the switch made and the reason in `problem`.
DictionarySwitch choose_additional_dictionary(SpellLexicon& lexicon, const std::filesystem::path& data_folder,
                                              std::string& current_name, const std::string& chosen, Status* problem);

}  // namespace quilm
