// Reads whole columns of a table file through its own read-only SQLite
// handle: the Roman dictionaries and statistics are loaded once into memory
// and never written, whatever other windows do with their own tables.
#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "common/status.h"
#include "tables/field_value.h"

namespace quilm {

// Calls `row` with the values of `fields` for every record of the table
// file, in record order. A missing file, a file that is no table or a
// missing field is an error and no row is reported.
Status read_table_rows(const std::filesystem::path& file, const std::vector<std::string>& fields,
                       const std::function<void(const std::vector<FieldValue>&)>& row);

}  // namespace quilm
