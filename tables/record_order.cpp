// Loading and keeping the ordered list of record ids.
#include "tables/record_order.h"

#include <algorithm>

namespace quilm {

void RecordOrder::reset(sqlite3* db, std::string order_by) {
  db_ = db;
  data_version_query_ = db ? std::make_unique<sqlite::Statement>(db, "PRAGMA data_version") : nullptr;
  order_by_ = std::move(order_by);
  ids_.clear();
  valid_ = false;
}

const std::vector<std::int64_t>& RecordOrder::ids() {
  if (!valid_ || changed_elsewhere()) load();
  return ids_;
}

void RecordOrder::erase_at(std::size_t position) {
  if (valid_ && position < ids_.size()) ids_.erase(ids_.begin() + static_cast<std::ptrdiff_t>(position));
}

bool RecordOrder::changed_elsewhere() { return data_version() != data_version_; }

// Asked on every use of the list: a cheap read of a counter SQLite keeps.
std::int64_t RecordOrder::data_version() {
  sqlite::Statement& query = *data_version_query_;
  const std::int64_t version = query.ok() && query.step() == SQLITE_ROW ? query.column_integer(0) : -1;
  query.reset();
  return version;
}

void RecordOrder::load() {
  ids_.clear();
  data_version_ = data_version();
  sqlite::Statement select(db_, "SELECT record_id FROM records " + order_by_);
  while (select.ok() && select.step() == SQLITE_ROW) ids_.push_back(select.column_integer(0));
  valid_ = true;
}

}  // namespace quilm
