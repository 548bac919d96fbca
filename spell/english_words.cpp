#include "spell/english_words.h"

#include <algorithm>

#include "spell/table_walk.h"
#include "tables/sqlite_table.h"

namespace quilm {
namespace {

Bytes lower_ascii(BytesView word) {
  Bytes out(word);
  for (char& c : out) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return out;
}

}  // namespace

Status EnglishWords::load(const std::filesystem::path& table_file) {
  file_ = table_file;
  words_.clear();
  SqliteTable table(table_file.string());
  if (Status st = table.Open(); !st) return st;
  for_each_record(table, [&](Table& t) { words_.insert(t.FieldByName("Word").as_text()); });
  table.Close();
  return Status::Ok();
}

Status EnglishWords::add(BytesView word) {
  SqliteTable table(file_.string());
  if (Status st = table.Open(); !st) return st;
  Status st = table.FindKey({FieldValue(Bytes(word))}) ? Status::Ok() : post_record(table, {{"Word", FieldValue(Bytes(word))}});
  table.Close();
  if (st) insert(word);
  return st;
}

Status fill_english_table(const std::filesystem::path& table_file, const std::vector<Bytes>& words) {
  std::vector<Bytes> lower;
  lower.reserve(words.size());
  for (const Bytes& w : words) lower.push_back(lower_ascii(w));
  std::sort(lower.begin(), lower.end());
  lower.erase(std::unique(lower.begin(), lower.end()), lower.end());
  if (!lower.empty() && lower.front().empty()) lower.erase(lower.begin());
  return fill_table(table_file, lower, [](const Bytes& w) {
    return std::vector<std::pair<std::string_view, FieldValue>>{{"Word", FieldValue(w)}};
  });
}

}  // namespace quilm
