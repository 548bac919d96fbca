#include "cli/data_tables.h"

#include <cstdio>
#include <filesystem>

namespace quilm::cli {

bool open_data_table(const char* command, const std::string& data_folder, const std::string& file,
                     const std::string& index, SqliteTable& table) {
  Status s = table.SetTableName((std::filesystem::path(data_folder) / file).string());
  if (s) s = table.Open();
  if (s && !index.empty()) s = table.SetIndexName(index);
  if (!s) std::fprintf(stderr, "quilm-cli %s: %s\n", command, s.message().c_str());
  return static_cast<bool>(s);
}

}  // namespace quilm::cli
