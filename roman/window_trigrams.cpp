#include "roman/window_trigrams.h"

#include "roman/table_rows.h"

namespace quilm {
namespace {

Bytes pair_key(BytesView first, BytesView second) {
  Bytes key(first);
  key += '\0';
  key += second;
  return key;
}

Bytes triple_key(BytesView first, BytesView second, BytesView third) {
  Bytes key = pair_key(first, second);
  key += '\0';
  key += third;
  return key;
}

}  // namespace

Status WindowTrigrams::load(const std::filesystem::path& table_file) {
  counts_.clear();
  openings_.clear();
  const Status s = read_table_rows(table_file, {"ppword", "pword", "word", "Count"}, [&](const auto& row) {
    add(row[0].as_text(), row[1].as_text(), row[2].as_text(), row[3].as_integer());
  });
  if (!s) {
    counts_.clear();
    openings_.clear();
  }
  return s;
}

void WindowTrigrams::add(BytesView first, BytesView second, BytesView third, long count) {
  counts_[triple_key(first, second, third)] += count;
  openings_.insert(pair_key(first, second));
}

long WindowTrigrams::count(BytesView first, BytesView second, BytesView third) const {
  const auto it = counts_.find(triple_key(first, second, third));
  return it == counts_.end() ? 0 : it->second;
}

bool WindowTrigrams::starts_with(BytesView first, BytesView second) const {
  return openings_.count(pair_key(first, second)) != 0;
}

}  // namespace quilm
