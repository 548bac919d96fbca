#include "tables/build_table_file.h"

#include <system_error>

#include "tables/create_table_file.h"
#include "tables/sqlite_table.h"

namespace quilm {
namespace {

Status fill(const std::filesystem::path& path, const RecordWriter& write) {
  SqliteTable table(path.string());
  if (Status s = table.Open(); !s) return s;
  if (Status s = table.StartTransaction(); !s) return s;
  if (Status s = write(table); !s) {
    table.Rollback();
    return s;
  }
  if (Status s = table.Commit(); !s) return s;
  table.Close();
  return Status::Ok();
}

}  // namespace

Status build_table_file(const std::filesystem::path& path, const TableSchema& schema, const RecordWriter& write) {
  std::filesystem::path partial = path;
  partial += ".partial";
  Status built = create_table_file(partial, schema);
  if (built) built = fill(partial, write);
  std::error_code error;
  if (built) std::filesystem::rename(partial, path, error);
  if (!built || error) {
    std::filesystem::remove(partial, error);
    return built ? Status::Error("cannot write " + path.string()) : built;
  }
  return Status::Ok();
}

Status insert_record(Table& table, const std::vector<std::string>& fields, const std::vector<FieldValue>& values) {
  Status s = table.Insert();
  for (std::size_t i = 0; s && i < fields.size() && i < values.size(); ++i) s = table.SetFieldByName(fields[i], values[i]);
  if (s) s = table.Post();
  return s;
}

Status insert_record(Table& table, std::initializer_list<std::pair<std::string_view, FieldValue>> fields) {
  Status s = table.Insert();
  for (const auto& [name, value] : fields)
    if (s) s = table.SetFieldByName(name, value);
  if (s) s = table.Post();
  return s;
}

}  // namespace quilm
