// Filling a new table file crash-safely: the file is built beside its
// destination (the name with ".partial"), its records written in one
// transaction, and renamed over the destination only when everything
// succeeded. On any failure the partial file is removed and the
// destination keeps what it held.
#pragma once

#include <filesystem>
#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "common/status.h"
#include "tables/table.h"
#include "tables/table_schema.h"

namespace quilm {

// Writes the records of the new table; a failure stops the build.
using RecordWriter = std::function<Status(Table& table)>;

Status build_table_file(const std::filesystem::path& path, const TableSchema& schema, const RecordWriter& write);

// Inserts one record of `values` for the fields named in order and posts it.
Status insert_record(Table& table, const std::vector<std::string>& fields, const std::vector<FieldValue>& values);
// The same with each value beside its field name.
Status insert_record(Table& table, std::initializer_list<std::pair<std::string_view, FieldValue>> fields);

}  // namespace quilm
