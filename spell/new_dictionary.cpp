#include "spell/new_dictionary.h"

#include <algorithm>

#include "common/file_io.h"
#include "spell/spell_data.h"
#include "spell/word_list_files.h"

namespace quilm {
namespace {

constexpr std::size_t kLongestName = 64;

bool forbidden_byte(unsigned char c) { return c < 0x20 || c == 0x7F || c == '/' || c == '\\' || c == ':'; }

}  // namespace

bool valid_dictionary_name(std::string_view name) {
  if (name.empty() || name.size() > kLongestName || name.front() == '.' || name.front() == ' ') return false;
  return std::none_of(name.begin(), name.end(), [](char c) { return forbidden_byte(static_cast<unsigned char>(c)); });
}

std::string dictionary_file_name(std::string_view name) { return std::string(name) + ".dic"; }

bool dictionary_exists(const std::filesystem::path& data_folder, std::string_view name) {
  std::error_code error;
  return std::filesystem::exists(additional_dictionary_path(data_folder, dictionary_file_name(name)), error);
}

NewDictionary create_dictionary(const std::filesystem::path& data_folder, std::string_view name, Status* problem) {
  *problem = Status::Ok();
  if (!valid_dictionary_name(name)) {
    *problem = Status::Error("\"" + std::string(name) + "\" cannot name a dictionary file");
    return NewDictionary::CannotCreate;
  }
  if (dictionary_exists(data_folder, name)) return NewDictionary::Exists;
  const std::filesystem::path file = additional_dictionary_path(data_folder, dictionary_file_name(name));
  std::error_code error;
  std::filesystem::create_directories(file.parent_path(), error);
  *problem = create_file_atomically(file, empty_additional_dictionary());
  if (*problem) return NewDictionary::Created;
  return dictionary_exists(data_folder, name) ? NewDictionary::Exists : NewDictionary::CannotCreate;
}

std::size_t new_dictionary_capacity(int s) {
  if (s <= 2) return 50;
  if (s <= 7) return 150;
  if (s == 8) return 120;
  if (s == 9) return 50;
  if (s <= 11) return 25;
  if (s <= 16) return 20;
  return 10;
}

Status make_new_dictionary_current(SpellLexicon& lexicon, const std::filesystem::path& data_folder,
                                   std::string& current_name, std::string_view name) {
  if (lexicon.additional_dictionary_complete()) {
    if (Status st = lexicon.save_additional_dictionary(); !st) return st;
  }
  WordSections empty(kAdditionalSections);
  for (int s = 1; s <= kAdditionalSections; ++s) empty.set_capacity(s, new_dictionary_capacity(s));
  current_name = dictionary_file_name(name);
  lexicon.set_additional_dictionary(std::move(empty), additional_dictionary_path(data_folder, current_name), true);
  return Status::Ok();
}

}  // namespace quilm
