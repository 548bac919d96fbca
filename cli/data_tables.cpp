#include "cli/data_tables.h"

#include <cstdio>
#include <filesystem>

#include "tables/open_table_file.h"

namespace quilm::cli {

bool open_data_table(const char* command, const std::string& data_folder, const std::string& file,
                     const std::string& index, SqliteTable& table) {
  const Status s = open_table_file(table, std::filesystem::path(data_folder) / file, index);
  if (!s) std::fprintf(stderr, "quilm-cli %s: %s\n", command, s.message().c_str());
  return static_cast<bool>(s);
}

}  // namespace quilm::cli
