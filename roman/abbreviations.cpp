#include "roman/abbreviations.h"

#include "roman/roman_dictionary.h"
#include "roman/table_rows.h"

namespace quilm {
namespace {

constexpr char kFullStopGlyph = 0x48;

bool all_capitals(std::string_view word) {
  for (char c : word)
    if (c < 'A' || c > 'Z') return false;
  return true;
}

}  // namespace

Status Abbreviations::load(const std::filesystem::path& table_file) {
  table_.clear();
  return read_table_rows(table_file, {"Roman", "Gurmukhi"}, [&](const std::vector<FieldValue>& row) {
    Bytes roman = row[0].as_text();
    Bytes pivot = row[1].as_text();
    if (!roman.empty() && !pivot.empty()) add(lower_roman(roman), std::move(pivot));
  });
}

std::optional<Bytes> Abbreviations::letter_name(char letter) const {
  const auto it = table_.find(lower_roman(std::string_view(&letter, 1)));
  if (it == table_.end()) return std::nullopt;
  return it->second;
}

Abbreviation Abbreviations::check(std::string_view word) const {
  if (word.size() == 1) {
    if (const std::optional<Bytes> name = letter_name(word[0])) return {AbbreviationKind::Letter, *name};
    return {};
  }
  if (word.size() >= 2 && all_capitals(word)) {
    Bytes spelled;
    for (char c : word) {
      const std::optional<Bytes> name = letter_name(c);
      if (!name) return {};
      spelled += *name;
      spelled += kFullStopGlyph;
    }
    return {AbbreviationKind::Spelled, spelled};
  }
  const auto it = table_.find(lower_roman(word));
  if (it == table_.end()) return {};
  return {AbbreviationKind::Known, it->second};
}

}  // namespace quilm
