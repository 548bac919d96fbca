#include "translit/roman_exceptions.h"

#include <map>
#include <vector>

#include "encoding/unicode_input.h"
#include "encoding/utf16.h"
#include "fonts/font_index.h"
#include "tables/filled_table_file.h"
#include "translit/roman_key.h"

namespace quilm {

std::optional<std::string> StoredRomanExceptions::find(BytesView key) {
  if (!table_.FindKey({FieldValue(Bytes(key))})) return std::nullopt;
  return table_.FieldByName(kRomanField).as_text();
}

Bytes roman_key_of_unicode(std::u16string_view word, const FontConverter& converter) {
  return roman_key(converter.conversion(UniCodetoGur(word), font_index::kPivot, font_index::kPivot, true));
}

namespace {

std::string_view trimmed(std::string_view s) {
  while (!s.empty() && (s.back() == '\r' || s.back() == ' ')) s.remove_suffix(1);
  while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
  return s;
}

bool is_plain_roman(std::string_view roman) {
  for (char c : roman)
    if (static_cast<unsigned char>(c) < 0x20 || static_cast<unsigned char>(c) > 0x7E) return false;
  return !roman.empty();
}

Status read_word_list(BytesView text, const FontConverter& converter, std::map<Bytes, std::string>& words) {
  std::size_t line_number = 0;
  for (std::size_t start = 0; start < text.size();) {
    const std::size_t end = std::min(text.find('\n', start), text.size());
    const std::string_view line = trimmed(text.substr(start, end - start));
    start = end + 1;
    ++line_number;
    if (line.empty() || line.front() == '#') continue;
    const std::string where = "line " + std::to_string(line_number) + ": ";
    const std::size_t tab = line.find('\t');
    if (tab == std::string_view::npos) return Status::Error(where + "expected GURMUKHI<TAB>ROMAN");
    const std::optional<std::u16string> gurmukhi = from_utf8(trimmed(line.substr(0, tab)));
    const std::string_view roman = trimmed(line.substr(tab + 1));
    if (!gurmukhi || gurmukhi->empty()) return Status::Error(where + "the Gurmukhi word is not UTF-8 text");
    if (!is_plain_roman(roman)) return Status::Error(where + "the Roman spelling must be printable ASCII");
    if (!words.emplace(roman_key_of_unicode(*gurmukhi, converter), std::string(roman)).second)
      return Status::Error(where + "the word is given twice");
  }
  return Status::Ok();
}

}  // namespace

Status build_roman_exceptions(const TableSchema& schema, BytesView word_list, const std::filesystem::path& out,
                              const FontConverter& converter) {
  if (schema.primary_key.size() != 1 || field_position(schema, kRomanField) < 0)
    return Status::Error("the schema must have a one-field primary key and a field Roman");
  std::map<Bytes, std::string> words;
  if (Status s = read_word_list(word_list, converter, words); !s) return s;
  const std::string& key_field = schema.primary_key.front();
  return build_filled_table_file(out, schema, [&](Table& table) {
    for (const auto& [key, roman] : words)
      if (Status s = add_record(table, {{key_field, FieldValue(key)}, {kRomanField, FieldValue(roman)}}); !s) return s;
    return Status::Ok();
  });
}

}  // namespace quilm
