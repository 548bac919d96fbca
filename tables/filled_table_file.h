// Building a table file with its records: made beside its destination and
// renamed over it only once every record is in, so a failure leaves the old
// file (or none) and no part of the new one.
#pragma once

#include <filesystem>
#include <functional>
#include <initializer_list>
#include <string_view>
#include <utility>

#include "common/status.h"
#include "tables/table.h"
#include "tables/table_schema.h"

namespace quilm {

// Adds one record with the given field values.
Status add_record(Table& table, std::initializer_list<std::pair<std::string_view, FieldValue>> fields);

// Creates a table of `schema`, lets `fill` add its records inside one
// transaction, and renames it to `path`.
Status build_filled_table_file(const std::filesystem::path& path, const TableSchema& schema,
                               const std::function<Status(Table&)>& fill);

}  // namespace quilm
