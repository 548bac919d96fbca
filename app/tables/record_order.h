// The record ids of a table in the current order, as the cursor walks them.
// Loaded with one query when the cursor first needs a position, kept until
// the records change: the table drops it after its own writes, and it
// notices writes of other connections through SQLite's data_version. A
// search does not need it, so a run of "FindKey, Edit, Post" never loads it;
// a table of 100k records loads in a few milliseconds.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include <sqlite3.h>

namespace quilm {

class RecordOrder {
 public:
  // Walks `db`'s records in `order_by` order from now on.
  void reset(sqlite3* db, std::string order_by);
  void invalidate() { valid_ = false; }

  // The ids in order, loaded first when stale.
  const std::vector<std::int64_t>& ids();
  std::optional<std::size_t> position_of(std::int64_t record_id);
  // Keeps the list valid after the table deleted the record at `position`.
  void erase_at(std::size_t position);

 private:
  bool changed_elsewhere();
  std::int64_t data_version() const;
  void load();

  sqlite3* db_ = nullptr;
  std::string order_by_;
  std::vector<std::int64_t> ids_;
  bool valid_ = false;
  std::int64_t data_version_ = -1;
};

}  // namespace quilm
