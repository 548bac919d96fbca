// Loading and keeping the ordered list of record ids.
#include "app/tables/record_order.h"

#include <algorithm>

#include "app/tables/sqlite_db.h"

namespace quilm {

void RecordOrder::reset(sqlite3* db, std::string order_by) {
  db_ = db;
  order_by_ = std::move(order_by);
  ids_.clear();
  valid_ = false;
}

const std::vector<std::int64_t>& RecordOrder::ids() {
  if (!valid_ || changed_elsewhere()) load();
  return ids_;
}

std::optional<std::size_t> RecordOrder::position_of(std::int64_t record_id) {
  const auto& list = ids();
  const auto found = std::find(list.begin(), list.end(), record_id);
  if (found == list.end()) return std::nullopt;
  return static_cast<std::size_t>(found - list.begin());
}

void RecordOrder::erase_at(std::size_t position) {
  if (valid_ && position < ids_.size()) ids_.erase(ids_.begin() + static_cast<std::ptrdiff_t>(position));
}

bool RecordOrder::changed_elsewhere() { return data_version() != data_version_; }

std::int64_t RecordOrder::data_version() const {
  sqlite::Statement pragma(db_, "PRAGMA data_version");
  return pragma.ok() && pragma.step() == SQLITE_ROW ? pragma.column_integer(0) : -1;
}

void RecordOrder::load() {
  ids_.clear();
  data_version_ = data_version();
  sqlite::Statement select(db_, "SELECT record_id FROM records " + order_by_);
  while (select.ok() && select.step() == SQLITE_ROW) ids_.push_back(select.column_integer(0));
  valid_ = true;
}

}  // namespace quilm
