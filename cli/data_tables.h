// Opening a table file of the data folder for a subcommand, ordered by one
// of its indexes.
#pragma once

#include <string>

#include "tables/sqlite_table.h"

namespace quilm::cli {

// Opens `data_folder`/`file` on the index `index` (empty: none). False
// after a one-line message "quilm-cli COMMAND: ..." on stderr.
bool open_data_table(const char* command, const std::string& data_folder, const std::string& file,
                     const std::string& index, SqliteTable& table);

}  // namespace quilm::cli
