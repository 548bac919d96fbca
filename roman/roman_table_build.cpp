#include "roman/roman_table_build.h"

#include <optional>
#include <utility>
#include <vector>

#include "common/file_io.h"
#include "encoding/unicode_input.h"
#include "encoding/utf16.h"
#include "tables/create_table_file.h"
#include "tables/sqlite_table.h"

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

Status fill(const std::filesystem::path& path, const std::vector<Record>& records) {
  SqliteTable table(path.string());
  if (Status s = table.Open(); !s) return s;
  if (Status s = table.StartTransaction(); !s) return s;
  for (const auto& [roman, pivot] : records) {
    Status s = table.Insert();
    if (s) s = table.SetFieldByName("Roman", FieldValue(Bytes(roman)));
    if (s) s = table.SetFieldByName("Gurmukhi", FieldValue(pivot));
    if (s) s = table.Post();
    if (!s) {
      table.Rollback();
      return s;
    }
  }
  if (Status s = table.Commit(); !s) return s;
  table.Close();
  return Status::Ok();
}

}  // namespace

Status build_roman_table(const TableSchema& schema, BytesView source, const std::filesystem::path& out) {
  std::vector<Record> records;
  if (Status s = read_records(source, records); !s) return s;
  std::filesystem::path partial = out;
  partial += ".partial";
  if (Status s = create_table_file(partial, schema); !s) return s;
  Status filled = fill(partial, records);
  std::error_code error;
  if (filled) std::filesystem::rename(partial, out, error);
  if (!filled || error) {
    std::filesystem::remove(partial, error);
    return filled ? Status::Error("cannot write " + out.string()) : filled;
  }
  return Status::Ok();
}

}  // namespace quilm
