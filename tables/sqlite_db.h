// Thin ownership wrappers over the SQLite C interface: a connection handle
// and a prepared statement that binds and reads FieldValues. Text field
// values are bound and read as BLOBs, so every byte 0x00-0xFF is kept and
// compared as an unsigned byte.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include <sqlite3.h>

#include "tables/field_value.h"
#include "common/status.h"

namespace quilm::sqlite {

struct ConnectionCloser {
  void operator()(sqlite3* db) const { sqlite3_close_v2(db); }
};
using Connection = std::unique_ptr<sqlite3, ConnectionCloser>;

// A name written as an SQL identifier. Names are checked by is_valid_name
// before they reach SQL; the quotes keep words like "Count" usable.
std::string quote_name(std::string_view name);

// Runs statements that return no rows; the error carries SQLite's message.
Status exec(sqlite3* db, const std::string& sql);

class Statement {
 public:
  Statement(sqlite3* db, const std::string& sql);
  ~Statement() { sqlite3_finalize(statement_); }
  Statement(const Statement&) = delete;
  Statement& operator=(const Statement&) = delete;

  // Whether the statement compiled; error() tells why not.
  bool ok() const { return statement_ != nullptr; }
  std::string error() const { return sqlite3_errmsg(db_); }
  int error_code() const { return sqlite3_errcode(db_); }

  // Parameters count from 1, columns from 0, as in SQLite.
  void bind(int parameter, const FieldValue& value);
  // values[i] to parameter i + 1.
  void bind_all(const std::vector<FieldValue>& values);
  void bind_text(int parameter, std::string_view text);
  void bind_integer(int parameter, std::int64_t value);

  // SQLITE_ROW, SQLITE_DONE or an error code.
  int step();
  void reset();

  FieldValue column_value(int column) const;
  std::int64_t column_integer(int column) const;
  std::string column_text(int column) const;

 private:
  sqlite3* db_;
  sqlite3_stmt* statement_ = nullptr;
};

}  // namespace quilm::sqlite
