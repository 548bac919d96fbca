#include "analysis/word_list_export.h"

#include "analysis/result_table_reader.h"

namespace quilm {
namespace {

constexpr const char* kLineEnd = "\r\n";

void append_field(const FieldValue& value, Bytes& out) {
  const Bytes text = value.as_text();
  if (text.find_first_of(",\"\r\n") == Bytes::npos) {
    out += text;
    return;
  }
  out.push_back('"');
  for (char c : text) {
    if (c == '"') out.push_back('"');
    out.push_back(c);
  }
  out.push_back('"');
}

// One line of the fields at `positions` of `row`.
void append_line(const ResultRow& row, std::initializer_list<std::size_t> positions, Bytes& out) {
  bool first = true;
  for (std::size_t p : positions) {
    if (!first) out.push_back(',');
    append_field(row[p], out);
    first = false;
  }
  out += kLineEnd;
}

void append_part_title(const char* title, const char* header, Bytes& out) {
  ((((out += kLineEnd) += kLineEnd) += title) += kLineEnd);
  ((out += "---------------") += kLineEnd);
  (out += header) += kLineEnd;
}

}  // namespace

Bytes word_list_csv(const std::vector<ResultRow>& words, const std::vector<ResultRow>& pairs,
                    const std::vector<ResultRow>& triples) {
  Bytes out = "Word,Frequency,Percentage Frequency";
  out += kLineEnd;
  for (const ResultRow& w : words) append_line(w, {0, 3, 5}, out);  // Word, Frequency, percentage
  append_part_title("BIGRAM ANALYSIS", "FirstWord,SecondWord,Count", out);
  for (const ResultRow& p : pairs) append_line(p, {2, 1, 0}, out);  // pword, word, Count
  append_part_title("TRIGRAM ANALYSIS", "FirstWord,SecondWord,ThirdWord,Count", out);
  for (const ResultRow& t : triples) append_line(t, {3, 2, 1, 0}, out);  // ppword, pword, word, Count
  return out;
}

Status read_word_list_tables(const std::filesystem::path& folder, ResultTableRows& rows) {
  for (ResultTable table : kResultTables) {
    const std::filesystem::path file = folder / result_table_shape(table).file;
    std::vector<ResultRow>& into = rows[static_cast<std::size_t>(table)];
    into.clear();
    if (!std::filesystem::exists(file)) continue;
    if (Status read = read_result_table(file, table, into); !read.ok()) return read;
  }
  return Status::Ok();
}

StoredListReading stored_list_reading(const std::vector<ResultRow>& stats, const FontRegistry& fonts) {
  constexpr std::size_t kLanguageRow = 33, kFontRow = 34, kValue = 1;
  StoredListReading out;
  const auto value = [&](std::size_t row) { return row < stats.size() ? stats[row][kValue].as_text() : Bytes(); };
  out.font_name = value(kFontRow);
  if (value(kLanguageRow) == "English") out.reading = {TextKind::Utf8, 30, true};
  else if (fonts.check_font_punjabi(out.font_name))
    out.reading = {TextKind::Legacy, fonts.get_font_index(out.font_name), false};
  else out.reading = {TextKind::Utf8, 30, false};
  return out;
}

}  // namespace quilm
