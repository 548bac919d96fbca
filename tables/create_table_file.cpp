// Building a table file in memory and writing it out whole.
#include "tables/create_table_file.h"

#include "tables/sqlite_db.h"
#include "tables/table_file_layout.h"
#include "common/file_io.h"

namespace quilm {
namespace {

// The in-memory database as the bytes of a database file.
Status serialize(sqlite3* db, Bytes* file) {
  sqlite3_int64 size = 0;
  unsigned char* data = sqlite3_serialize(db, "main", &size, 0);
  if (data == nullptr) return Status::Error("SQLite could not write out the table");
  file->assign(reinterpret_cast<const char*>(data), static_cast<std::size_t>(size));
  sqlite3_free(data);
  return Status::Ok();
}

}  // namespace

Status create_table_file(const std::filesystem::path& path, const TableSchema& schema) {
  const auto failed = [&path](const std::string& why) {
    return Status::Error("Table file \"" + path.string() + "\" cannot be created: " + why);
  };
  sqlite3* raw = nullptr;
  const int code = sqlite3_open_v2(":memory:", &raw, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
  const sqlite::Connection db(raw);
  if (code != SQLITE_OK) return failed(describe_sqlite_error(raw, code));
  if (Status laid_out = write_table_layout(raw, schema); !laid_out) return failed(laid_out.message());
  Bytes file;
  if (Status serialized = serialize(raw, &file); !serialized) return failed(serialized.message());
  return write_file_atomically(path, file);
}

}  // namespace quilm
