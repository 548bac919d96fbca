#include "roman/user_roman_words.h"

#include <algorithm>
#include <set>
#include <utility>

#include "common/file_io.h"
#include "encoding/unicode_input.h"
#include "encoding/utf16.h"

namespace quilm {
namespace {

using Pair = std::pair<std::string, std::string>;  // Roman, Gurmukhi (UTF-8)

bool is_roman_word(std::string_view roman) {
  return !roman.empty() && std::all_of(roman.begin(), roman.end(), [](char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
  });
}

bool is_gurmukhi_word(std::u16string_view text) {
  return !text.empty() && std::all_of(text.begin(), text.end(), [](char16_t c) { return c >= 0x0A00 && c <= 0x0A7F; });
}

Status read_pairs(const std::filesystem::path& file, std::set<Pair>& pairs) {
  if (!std::filesystem::exists(file)) return Status::Ok();
  const std::optional<Bytes> text = read_file(file);
  if (!text) return Status::Error("cannot read " + file.filename().string());
  std::string_view rest(*text);
  for (std::size_t number = 1; !rest.empty(); ++number) {
    const std::size_t end = rest.find('\n');
    std::string_view line = rest.substr(0, end);
    rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.empty()) continue;
    const std::size_t tab = line.find('\t');
    const std::string_view roman = line.substr(0, tab);
    const std::string_view gurmukhi = tab == std::string_view::npos ? std::string_view() : line.substr(tab + 1);
    const std::optional<std::u16string> unicode = from_utf8(gurmukhi);
    if (!is_roman_word(roman) || !unicode || !is_gurmukhi_word(*unicode))
      return Status::Error(file.filename().string() + " line " + std::to_string(number) +
                           " is not a Roman word, a tab and a Gurmukhi word");
    pairs.emplace(lower_roman(roman), std::string(gurmukhi));
  }
  return Status::Ok();
}

Bytes pairs_text(const std::set<Pair>& pairs) {
  Bytes out;
  for (const auto& [roman, gurmukhi] : pairs) out += roman + '\t' + gurmukhi + '\n';
  return out;
}

bool holds(const RomanDictionary* dictionary, std::string_view roman, const Bytes& pivot) {
  if (dictionary == nullptr) return false;
  const auto words = dictionary->find(roman);
  return std::find(words.begin(), words.end(), pivot) != words.end();
}

}  // namespace

Status load_user_roman_words(const std::filesystem::path& folder, RomanDictionary& dictionary) {
  std::set<Pair> pairs;
  if (Status s = read_pairs(folder / kUserRomanWordsFile, pairs); !s) return s;
  for (const auto& [roman, gurmukhi] : pairs) dictionary.add(roman, UniCodetoGur(*from_utf8(gurmukhi)));
  return Status::Ok();
}

Status add_user_roman_word(const std::filesystem::path& folder, std::string_view roman, std::string_view gurmukhi,
                           RomanDictionary* dictionary, AddedWord* outcome) {
  if (!is_roman_word(roman)) return Status::Error("the Roman word must be letters A-Z only: \"" + std::string(roman) + "\"");
  const std::optional<std::u16string> unicode = from_utf8(gurmukhi);
  if (!unicode || !is_gurmukhi_word(*unicode))
    return Status::Error("the Gurmukhi word must be Gurmukhi letters only: \"" + std::string(gurmukhi) + "\"");
  const std::filesystem::path file = folder / kUserRomanWordsFile;
  std::set<Pair> pairs;
  if (Status s = read_pairs(file, pairs); !s) return s;
  const Pair pair{lower_roman(roman), std::string(gurmukhi)};
  if (pairs.count(pair) != 0 || holds(dictionary, pair.first, UniCodetoGur(*unicode))) {
    if (outcome != nullptr) *outcome = AddedWord::AlreadyThere;
    return Status::Ok();
  }
  pairs.insert(pair);
  if (Status s = write_file_atomically(file, pairs_text(pairs)); !s) return s;
  if (dictionary != nullptr) dictionary->add(pair.first, UniCodetoGur(*unicode));
  if (outcome != nullptr) *outcome = AddedWord::Added;
  return Status::Ok();
}

}  // namespace quilm
