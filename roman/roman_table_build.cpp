#include "roman/roman_table_build.h"

#include <optional>
#include <utility>
#include <vector>

#include "common/file_io.h"
#include "encoding/unicode_input.h"
#include "encoding/utf16.h"
#include "tables/build_table_file.h"

namespace quilm {
namespace {

using Record = std::pair<std::string, Bytes>;

bool is_plain_roman(std::string_view roman) {
  for (char c : roman)
    if (static_cast<unsigned char>(c) <= 0x20 || static_cast<unsigned char>(c) > 0x7E) return false;
  return !roman.empty();
}

Status read_records(BytesView text, std::vector<Record>& records) {
  std::size_t line_number = 0;
  for (std::size_t start = 0; start < text.size();) {
    const std::size_t end = std::min(text.find('\n', start), text.size());
    std::string_view line = text.substr(start, end - start);
    start = end + 1;
    ++line_number;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.empty() || line.front() == '#') continue;
    const std::string where = "line " + std::to_string(line_number) + ": ";
    const std::size_t tab = line.find('\t');
    if (tab == std::string_view::npos) return Status::Error(where + "expected ROMAN<TAB>GURMUKHI");
    const std::string_view roman = line.substr(0, tab);
    if (!is_plain_roman(roman)) return Status::Error(where + "the Roman spelling must be printable ASCII");
    std::string_view rest = line.substr(tab + 1);
    while (!rest.empty()) {
      const std::size_t blank = std::min(rest.find(' '), rest.size());
      const std::optional<std::u16string> word = from_utf8(rest.substr(0, blank));
      if (!word) return Status::Error(where + "the Gurmukhi is not UTF-8 text");
      if (!word->empty()) records.emplace_back(std::string(roman), UniCodetoGur(*word));
      rest.remove_prefix(std::min(blank + 1, rest.size()));
    }
  }
  return Status::Ok();
}

}  // namespace

Status build_roman_table(const TableSchema& schema, BytesView source, const std::filesystem::path& out) {
  std::vector<Record> records;
  if (Status s = read_records(source, records); !s) return s;
  return build_table_file(out, schema, [&](Table& table) {
    for (const auto& [roman, pivot] : records)
      if (Status s = insert_record(table, {{"Roman", FieldValue(Bytes(roman))}, {"Gurmukhi", FieldValue(pivot)}}); !s)
        return s;
    return Status::Ok();
  });
}

}  // namespace quilm
