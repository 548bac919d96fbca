#include "roman/table_rows.h"

#include <algorithm>

#include "tables/sqlite_db.h"
#include "tables/table_file_layout.h"

namespace quilm {
namespace {

Status open_read_only(const std::filesystem::path& file, sqlite::Connection* db) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(file, error)) return Status::Error(file.string() + " does not exist");
  sqlite3* raw = nullptr;
  const int code = sqlite3_open_v2(file.string().c_str(), &raw, SQLITE_OPEN_READONLY, nullptr);
  db->reset(raw);
  if (code != SQLITE_OK) return Status::Error("cannot open " + file.string());
  return Status::Ok();
}

bool has_field(const TableSchema& schema, const std::string& name) {
  return std::any_of(schema.fields.begin(), schema.fields.end(), [&](const FieldDef& f) { return f.name == name; });
}

}  // namespace

Status read_table_rows(const std::filesystem::path& file, const std::vector<std::string>& fields,
                       const std::function<void(const std::vector<FieldValue>&)>& row) {
  sqlite::Connection db;
  if (Status s = open_read_only(file, &db); !s) return s;
  TableSchema schema;
  if (Status s = read_table_layout(db.get(), &schema); !s) return Status::Error(file.string() + ": " + s.message());
  std::string columns;
  for (const std::string& f : fields) {
    if (!has_field(schema, f)) return Status::Error(file.string() + " has no field " + f);
    columns += (columns.empty() ? "" : ", ") + sqlite::quote_name(f);
  }
  sqlite::Statement select(db.get(), "SELECT " + columns + " FROM records ORDER BY record_id");
  if (!select.ok()) return Status::Error(file.string() + ": " + select.error());
  std::vector<FieldValue> values(fields.size());
  int code;
  while ((code = select.step()) == SQLITE_ROW) {
    for (std::size_t i = 0; i < fields.size(); ++i) values[i] = select.column_value(static_cast<int>(i));
    row(values);
  }
  if (code != SQLITE_DONE) return Status::Error(file.string() + ": " + select.error());
  return Status::Ok();
}

}  // namespace quilm
