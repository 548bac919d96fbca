// The record ids of a table in the current order, as the cursor walks them.
// Loaded with one query when the cursor first needs a position, kept until
// the records change: the table drops it after its own writes, and it
// notices writes of other connections through SQLite's data_version, read
// on every use (one small read of the file per cursor move). Searches are
// SQL queries of their own and do not need the list, so a run of "FindKey,
// Edit, Post" never loads it; for 100k records it is 800 KB and loads in
// tens of milliseconds, once per change followed by a move.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <sqlite3.h>

#include "tables/sqlite_db.h"

namespace quilm {

class RecordOrder {
 public:
  // Walks `db`'s records in `order_by` order from now on.
  void reset(sqlite3* db, std::string order_by);
  void invalidate() { valid_ = false; }

  // The ids in order, loaded first when stale.
  const std::vector<std::int64_t>& ids();
  // Keeps the list valid after the table deleted the record at `position`.
  void erase_at(std::size_t position);

 private:
  bool changed_elsewhere();
  std::int64_t data_version();
  void load();

  sqlite3* db_ = nullptr;
  std::unique_ptr<sqlite::Statement> data_version_query_;
  std::string order_by_;
  std::vector<std::int64_t> ids_;
  bool valid_ = false;
  std::int64_t data_version_ = -1;
};

}  // namespace quilm
