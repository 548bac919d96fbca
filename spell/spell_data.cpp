#include "spell/spell_data.h"

namespace quilm {

std::filesystem::path additional_dictionary_path(const std::filesystem::path& data_folder, const std::string& name) {
  return data_folder / std::string(kDictionaryFolder) / name;
}

Status load_spell_data(const std::filesystem::path& data_folder, const std::string& dictionary_name, SpellData* data,
                       std::vector<std::string>* warnings) {
  if (Status st = data->lexicon.load_main_list(data_folder / std::string(kMainListFile)); !st) return st;
  const auto warn = [&](const Status& st) {
    if (!st) warnings->push_back(st.message());
  };
  warn(data->lexicon.LoadIgnoreList(data_folder / std::string(kIgnoreListFile)));
  warn(data->lexicon.LoadExtraDictionary(additional_dictionary_path(data_folder, dictionary_name)));
  warn(data->lexicon.english().load(data_folder / std::string(kEnglishTableFile)));
  warn(data->frequencies.load(data_folder / std::string(kFrequencyTableFile)));
  return Status::Ok();
}

}  // namespace quilm
