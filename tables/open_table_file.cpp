#include "tables/open_table_file.h"

namespace quilm {

Status open_table_file(Table& table, const std::filesystem::path& file, const std::string& index) {
  Status s = table.SetTableName(file.string());
  if (s) s = table.Open();
  if (s && !index.empty()) s = table.SetIndexName(index);
  return s;
}

}  // namespace quilm
