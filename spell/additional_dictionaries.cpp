#include "spell/additional_dictionaries.h"

#include <algorithm>
#include <system_error>

#include "spell/spell_data.h"

namespace quilm {

std::vector<std::string> additional_dictionary_names(const std::filesystem::path& data_folder) {
  std::vector<std::string> names;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(data_folder / std::string(kDictionaryFolder), error)) {
    const std::filesystem::path& p = entry.path();
    if (p.extension() == ".dic" && !entry.is_directory(error)) names.push_back(p.filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

DictionarySwitch choose_additional_dictionary(SpellLexicon& lexicon, const std::filesystem::path& data_folder,
                                              std::string& current_name, const std::string& chosen, Status* problem) {
  *problem = Status::Ok();
  if (chosen.empty() || chosen == current_name) return DictionarySwitch::Unchanged;
  if (lexicon.additional_dictionary_complete()) {
    if (Status st = lexicon.save_additional_dictionary(); !st) {
      *problem = st;
      return DictionarySwitch::Refused;
    }
  }
  current_name = chosen;
  *problem = lexicon.LoadExtraDictionary(additional_dictionary_path(data_folder, chosen));
  return DictionarySwitch::Switched;
}

}  // namespace quilm
