#include "spell/word_frequencies.h"

#include <map>

#include "spell/table_walk.h"
#include "tables/sqlite_table.h"

namespace quilm {

Status WordFrequencies::load(const std::filesystem::path& table_file) {
  counts_.clear();
  SqliteTable table(table_file.string());
  if (Status st = table.Open(); !st) return st;
  for_each_record(table, [&](Table& t) {
    counts_[t.FieldByName("Word").as_text()] = t.FieldByName("Frequency").as_integer();
  });
  table.Close();
  return Status::Ok();
}

Status fill_frequency_table(const std::filesystem::path& table_file,
                            const std::vector<std::pair<Bytes, std::int64_t>>& counts) {
  std::map<Bytes, std::int64_t> merged;
  for (const auto& [word, count] : counts) merged[word] += count;
  return fill_table(table_file, merged, [](const std::pair<const Bytes, std::int64_t>& entry) {
    return std::vector<std::pair<std::string_view, FieldValue>>{{"Word", FieldValue(entry.first)},
                                                               {"Frequency", FieldValue(entry.second)}};
  });
}

}  // namespace quilm
