#include "tables/filled_table_file.h"

#include "tables/create_table_file.h"
#include "tables/sqlite_table.h"

namespace quilm {
namespace {

Status fill_in_one_transaction(const std::filesystem::path& path, const std::function<Status(Table&)>& fill) {
  SqliteTable table(path.string());
  if (Status s = table.Open(); !s) return s;
  if (Status s = table.StartTransaction(); !s) return s;
  if (Status s = fill(table); !s) {
    table.Rollback();
    return s;
  }
  if (Status s = table.Commit(); !s) return s;
  table.Close();
  return Status::Ok();
}

}  // namespace

Status add_record(Table& table, std::initializer_list<std::pair<std::string_view, FieldValue>> fields) {
  Status s = table.Insert();
  for (const auto& [name, value] : fields)
    if (s) s = table.SetFieldByName(name, value);
  if (s) s = table.Post();
  return s;
}

Status build_filled_table_file(const std::filesystem::path& path, const TableSchema& schema,
                               const std::function<Status(Table&)>& fill) {
  std::filesystem::path partial = path;
  partial += ".partial";
  if (Status s = create_table_file(partial, schema); !s) return s;
  Status filled = fill_in_one_transaction(partial, fill);
  std::error_code error;
  if (filled) std::filesystem::rename(partial, path, error);
  if (!filled || error) {
    std::filesystem::remove(partial, error);
    return filled ? Status::Error("cannot write " + path.string()) : filled;
  }
  return Status::Ok();
}

}  // namespace quilm
