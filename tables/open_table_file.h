// Opening a table file of the data folder in one step: name, open, and
// order by an index when one is given.
#pragma once

#include <filesystem>
#include <string>

#include "common/status.h"
#include "tables/table.h"

namespace quilm {

// The first failure's message names the file (or the index).
Status open_table_file(Table& table, const std::filesystem::path& file, const std::string& index = "");

}  // namespace quilm
