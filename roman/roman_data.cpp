#include "roman/roman_data.h"

#include "roman/user_roman_words.h"
#include "spell/spell_data.h"

namespace quilm {
namespace {

void warn_unless(const Status& s, std::vector<std::string>* warnings) {
  if (!s && warnings != nullptr) warnings->push_back(s.message());
}

}  // namespace

Status load_roman_data(const std::filesystem::path& data_folder, RomanData* data, std::vector<std::string>* warnings) {
  if (Status s = data->dictionaries.punjabi.load(data_folder / kRomanDictionaryFile); !s) return s;
  warn_unless(load_user_roman_words(data_folder, data->dictionaries.punjabi), warnings);
  const std::filesystem::path english = data_folder / kEnglishDictionaryFile;
  if (std::filesystem::exists(english)) warn_unless(data->dictionaries.english.load(english), warnings);
  warn_unless(data->abbreviations.load(data_folder / kAbbreviationFile), warnings);
  warn_unless(data->statistics.load(data_folder / kRomanStatisticsFolder), warnings);
  warn_unless(data->window_trigrams.load(data_folder / kWindowTrigramFile), warnings);
  warn_unless(data->lexicon.load_main_list(data_folder / kMainListFile), warnings);
  return Status::Ok();
}

}  // namespace quilm
