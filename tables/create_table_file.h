// Making a new, empty table file from a schema: how the data folder's table
// files are built and how a table is made afresh from its template.
#pragma once

#include <filesystem>

#include "tables/table_schema.h"
#include "common/status.h"

namespace quilm {

// Writes an empty table with `schema` to `path`, replacing any file there.
// The file is built in memory and written with write_file_atomically, so
// `path` holds the old file or the complete new one, never a part.
Status create_table_file(const std::filesystem::path& path, const TableSchema& schema);

}  // namespace quilm
