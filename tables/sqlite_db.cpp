// The SQLite wrappers of sqlite_db.h.
#include "tables/sqlite_db.h"

namespace quilm::sqlite {

std::string quote_name(std::string_view name) {
  std::string quoted = "\"";
  for (const char c : name) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  return quoted + "\"";
}

Status exec(sqlite3* db, const std::string& sql) {
  char* message = nullptr;
  if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &message) == SQLITE_OK) return Status::Ok();
  const std::string text = message != nullptr ? message : sqlite3_errmsg(db);
  sqlite3_free(message);
  return Status::Error(text);
}

Statement::Statement(sqlite3* db, const std::string& sql) : db_(db) {
  if (sqlite3_prepare_v2(db, sql.c_str(), static_cast<int>(sql.size()), &statement_, nullptr) != SQLITE_OK)
    statement_ = nullptr;
}

void Statement::bind(int parameter, const FieldValue& value) {
  if (value.is_null()) {
    sqlite3_bind_null(statement_, parameter);
  } else if (value.is_integer()) {
    sqlite3_bind_int64(statement_, parameter, value.as_integer());
  } else if (value.is_real()) {
    sqlite3_bind_double(statement_, parameter, value.as_real());
  } else {
    // A zero-length BLOB needs a non-null pointer, or SQLite binds NULL.
    static const char kEmpty = 0;
    const Bytes text = value.as_text();
    sqlite3_bind_blob64(statement_, parameter, text.empty() ? &kEmpty : text.data(), text.size(),
                        SQLITE_TRANSIENT);
  }
}

void Statement::bind_all(const std::vector<FieldValue>& values) {
  for (std::size_t i = 0; i < values.size(); ++i) bind(static_cast<int>(i + 1), values[i]);
}

void Statement::bind_text(int parameter, std::string_view text) {
  sqlite3_bind_text64(statement_, parameter, text.data(), text.size(), SQLITE_TRANSIENT, SQLITE_UTF8);
}

void Statement::bind_integer(int parameter, std::int64_t value) {
  sqlite3_bind_int64(statement_, parameter, value);
}

int Statement::step() { return sqlite3_step(statement_); }

void Statement::reset() {
  sqlite3_reset(statement_);
  sqlite3_clear_bindings(statement_);
}

FieldValue Statement::column_value(int column) const {
  switch (sqlite3_column_type(statement_, column)) {
    case SQLITE_INTEGER:
      return FieldValue(static_cast<std::int64_t>(sqlite3_column_int64(statement_, column)));
    case SQLITE_FLOAT:
      return FieldValue(sqlite3_column_double(statement_, column));
    case SQLITE_NULL:
      return FieldValue();
    default: {
      const void* data = sqlite3_column_blob(statement_, column);
      const int size = sqlite3_column_bytes(statement_, column);
      return FieldValue(data == nullptr ? Bytes() : Bytes(static_cast<const char*>(data), size));
    }
  }
}

std::int64_t Statement::column_integer(int column) const { return sqlite3_column_int64(statement_, column); }

std::string Statement::column_text(int column) const {
  const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement_, column));
  return text == nullptr ? std::string() : std::string(text, sqlite3_column_bytes(statement_, column));
}

}  // namespace quilm::sqlite
