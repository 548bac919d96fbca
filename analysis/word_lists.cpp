#include "analysis/word_lists.h"

#include <algorithm>
#include <system_error>

namespace quilm {

namespace fs = std::filesystem;

const std::vector<std::string>& word_list_files() {
  static const std::vector<std::string> files = {"Stats.db", "WordFreq.db", "CharFreq.db",
                                                 "WordPos.db", "BiGram.db", "TriGram.db"};
  return files;
}

bool valid_word_list_name(std::string_view name) {
  if (name.empty() || name.size() > 200 || name.front() == '.' || name.back() == ' ') return false;
  return std::none_of(name.begin(), name.end(), [](char c) {
    const auto b = static_cast<unsigned char>(c);
    return b < 0x20 || b == 0x7F || c == '/' || c == '\\' || c == ':' || c == '*' || c == '?' || c == '"' ||
           c == '<' || c == '>' || c == '|';
  });
}

std::string default_word_list_name(const fs::path& first_file) {
  const std::string name = first_file.filename().string();
  return name.substr(0, name.find('.'));
}

fs::path WordListStore::folder_of(std::string_view name) const { return data_folder_ / "WordList" / fs::path(name); }

bool WordListStore::exists(std::string_view name) const {
  std::error_code error;
  return valid_word_list_name(name) && fs::exists(folder_of(name), error);
}

std::vector<std::string> WordListStore::names() const {
  std::vector<std::string> names;
  std::error_code error;
  for (const auto& entry : fs::directory_iterator(data_folder_ / "WordList", error)) {
    const std::string name = entry.path().filename().string();
    if (!name.empty() && name.front() != '.') names.push_back(name);
  }
  std::sort(names.begin(), names.end());
  return names;
}

Status WordListStore::save(std::string_view name, const fs::path& tables_folder, bool overwrite) const {
  if (!valid_word_list_name(name)) return Status::Error("Cannot Save WordList.: \"" + std::string(name) + "\" is not a name");
  const fs::path target = folder_of(name);
  std::error_code error;
  if (fs::exists(target, error) && fs::equivalent(target, tables_folder, error)) return Status::Ok();
  if (fs::exists(target, error) && !overwrite)
    return Status::Error("WordList with same name already existing.");
  const fs::path building = data_folder_ / "WordList" / ("." + std::string(name) + ".saving");
  fs::remove_all(building, error);
  if (!fs::create_directories(building, error) || error) return Status::Error("Cannot Save WordList.");
  for (const std::string& file : word_list_files()) {
    if (!fs::exists(tables_folder / file)) continue;  // a table this analysis did not make
    fs::copy_file(tables_folder / file, building / file, error);
    if (error) {
      fs::remove_all(building, error);
      return Status::Error("Cannot Save WordList.: " + (tables_folder / file).string() + ": " + error.message());
    }
  }
  const fs::path old = data_folder_ / "WordList" / ("." + std::string(name) + ".old");
  fs::remove_all(old, error);
  if (fs::exists(target)) fs::rename(target, old, error);
  if (!error) fs::rename(building, target, error);
  if (error) {
    fs::remove_all(building, error);
    return Status::Error("Cannot Save WordList.: " + target.string());
  }
  fs::remove_all(old, error);
  return Status::Ok();
}

}  // namespace quilm
