// Writing and reading the SQLite layout of a table file.
#include "tables/table_file_layout.h"

#include <algorithm>
#include <optional>

#include "tables/schema_text.h"
#include "tables/sqlite_db.h"

namespace quilm {
namespace {

using sqlite::quote_name;
using sqlite::Statement;

const char* column_type(FieldType type) {
  switch (type) {
    case FieldType::Text: return "BLOB";
    case FieldType::Integer: return "INTEGER";
    case FieldType::Real: return "REAL";
  }
  return "BLOB";
}

std::optional<FieldType> field_type_of_column(const std::string& declared) {
  for (const FieldType type : {FieldType::Text, FieldType::Integer, FieldType::Real})
    if (names_equal(declared, column_type(type))) return type;
  return std::nullopt;
}

std::string create_records_sql(const TableSchema& schema) {
  std::string sql = "CREATE TABLE records (record_id INTEGER PRIMARY KEY";
  for (const auto& field : schema.fields) sql += ", " + quote_name(field.name) + " " + column_type(field.type);
  return sql + ")";
}

std::string create_index_sql(const std::string& sqlite_name, bool unique, const std::vector<IndexField>& fields) {
  std::string columns;
  for (const auto& field : fields)
    columns += (columns.empty() ? "" : ", ") + quote_name(field.name) + (field.descending ? " DESC" : "");
  return std::string("CREATE ") + (unique ? "UNIQUE " : "") + "INDEX " + quote_name(sqlite_name) +
         " ON records (" + columns + ")";
}

std::vector<IndexField> ascending(const std::vector<std::string>& names) {
  std::vector<IndexField> fields;
  for (const auto& name : names) fields.push_back({name, false});
  return fields;
}

// A named index is realised over its fields followed by the primary key
// fields (SQLite adds record_id last by itself), the whole order the cursor
// walks (key_order.h), so that ordered reads and searches are index walks.
std::vector<IndexField> with_tie_breakers(const TableSchema& schema, const IndexDef& index) {
  std::vector<IndexField> fields = index.fields;
  for (const auto& name : schema.primary_key) {
    const bool listed = std::any_of(fields.begin(), fields.end(),
                                    [&name](const IndexField& field) { return names_equal(field.name, name); });
    if (!listed) fields.push_back({name, false});
  }
  return fields;
}

Status record_index(sqlite3* db, const std::string& name, const std::vector<IndexField>& fields) {
  Statement insert(db, "INSERT INTO quilm_indexes (name, fields) VALUES (?1, ?2)");
  insert.bind_text(1, name);
  insert.bind_text(2, format_index_fields(fields));
  if (insert.step() != SQLITE_DONE) return Status::Error(insert.error());
  return Status::Ok();
}

Status write_indexes(sqlite3* db, const TableSchema& schema) {
  if (!schema.primary_key.empty()) {
    const auto fields = ascending(schema.primary_key);
    if (Status s = sqlite::exec(db, create_index_sql("quilm_primary", true, fields)); !s) return s;
    if (Status s = record_index(db, "", fields); !s) return s;
  }
  for (const auto& index : schema.indexes) {
    const std::string sql = create_index_sql("quilm_index_" + index.name, false, with_tie_breakers(schema, index));
    if (Status s = sqlite::exec(db, sql); !s) return s;
    if (Status s = record_index(db, index.name, index.fields); !s) return s;
  }
  return Status::Ok();
}

Status failure(sqlite3* db, int code) { return Status::Error(describe_sqlite_error(db, code)); }

std::optional<std::int64_t> pragma_value(sqlite3* db, const char* pragma, int* code) {
  Statement statement(db, std::string("PRAGMA ") + pragma);
  *code = statement.ok() ? statement.step() : statement.error_code();
  if (*code != SQLITE_ROW) return std::nullopt;
  return statement.column_integer(0);
}

Status check_marks(sqlite3* db) {
  int code = SQLITE_OK;
  const auto application_id = pragma_value(db, "application_id", &code);
  if (!application_id) return failure(db, code);
  const auto version = pragma_value(db, "user_version", &code);
  if (!version) return failure(db, code);
  if (*application_id != kTableApplicationId)
    return Status::Error("it is an SQLite database but not a Quilm table file");
  if (*version != kTableLayoutVersion)
    return Status::Error("it is a table file of an unknown layout version " + std::to_string(*version));
  return Status::Ok();
}

Status read_fields(sqlite3* db, TableSchema* schema) {
  Statement columns(db, "SELECT name, type FROM pragma_table_info('records') ORDER BY cid");
  if (!columns.ok()) return failure(db, columns.error_code());
  int code;
  bool saw_record_id = false;
  while ((code = columns.step()) == SQLITE_ROW) {
    const std::string name = columns.column_text(0);
    if (name == "record_id") {
      saw_record_id = true;
      continue;
    }
    const auto type = field_type_of_column(columns.column_text(1));
    if (!type) return Status::Error("the file is damaged: field \"" + name + "\" has an unknown type");
    schema->fields.push_back({name, *type});
  }
  if (code != SQLITE_DONE) return failure(db, code);
  if (!saw_record_id) return Status::Error("the file is damaged: it has no table of records");
  return Status::Ok();
}

Status read_indexes(sqlite3* db, TableSchema* schema) {
  Statement rows(db, "SELECT name, fields FROM quilm_indexes ORDER BY rowid");
  if (!rows.ok()) return Status::Error("the file is damaged: it has no list of indexes");
  int code;
  while ((code = rows.step()) == SQLITE_ROW) {
    IndexDef index{rows.column_text(0), {}};
    if (Status parsed = parse_index_fields(rows.column_text(1), &index.fields); !parsed)
      return Status::Error("the file is damaged: index \"" + index.name + "\": " + parsed.message());
    if (index.name.empty()) {
      for (const auto& field : index.fields) schema->primary_key.push_back(field.name);
    } else {
      schema->indexes.push_back(std::move(index));
    }
  }
  if (code != SQLITE_DONE) return failure(db, code);
  return Status::Ok();
}

}  // namespace

std::string field_list_sql(const TableSchema& schema) {
  std::string list;
  for (const auto& field : schema.fields) list += (list.empty() ? "" : ", ") + quote_name(field.name);
  return list;
}

std::string describe_sqlite_error(sqlite3* db, int code) {
  switch (code & 0xFF) {
    case SQLITE_NOTADB: return "it is not a table file (not an SQLite database)";
    case SQLITE_CORRUPT: return "the file is damaged (SQLite: " + std::string(sqlite3_errmsg(db)) + ")";
    case SQLITE_BUSY:
    case SQLITE_LOCKED: return "the file is in use by another program";
    case SQLITE_READONLY: return "the file is read-only";
    case SQLITE_FULL: return "the disk is full";
    default: return "SQLite: " + std::string(sqlite3_errmsg(db));
  }
}

Status write_table_layout(sqlite3* db, const TableSchema& schema) {
  if (Status valid = validate_table_schema(schema); !valid) return valid;
  const std::string sql = "PRAGMA application_id = " + std::to_string(kTableApplicationId) +
                          "; PRAGMA user_version = " + std::to_string(kTableLayoutVersion) +
                          "; CREATE TABLE quilm_indexes (name TEXT PRIMARY KEY, fields TEXT NOT NULL); " +
                          create_records_sql(schema);
  if (Status s = sqlite::exec(db, "BEGIN"); !s) return s;
  Status written = sqlite::exec(db, sql);
  if (written) written = write_indexes(db, schema);
  if (written) return sqlite::exec(db, "COMMIT");
  sqlite::exec(db, "ROLLBACK");
  return written;
}

Status read_table_layout(sqlite3* db, TableSchema* schema) {
  *schema = TableSchema();
  if (Status marks = check_marks(db); !marks) return marks;
  if (Status fields = read_fields(db, schema); !fields) return fields;
  if (Status indexes = read_indexes(db, schema); !indexes) return indexes;
  if (Status valid = validate_table_schema(*schema); !valid)
    return Status::Error("the file is damaged: " + valid.message());
  return Status::Ok();
}

}  // namespace quilm
