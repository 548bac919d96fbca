// How one table is kept in its SQLite file. A table file is an ordinary
// SQLite database (rollback journal, so it stays one file that can be copied)
// marked with application_id 0x5175696C ("Quil") and user_version 1, holding:
//
//   records        the records: record_id INTEGER PRIMARY KEY (the record's
//                  place in adding order; never shown as a field), then one
//                  column per field in field order, declared BLOB for text
//                  fields, INTEGER or REAL for number fields. Text values are
//                  stored as BLOBs, so their bytes (pivot and legacy-font
//                  glyph codes 0x80-0xFF included) are kept unchanged and sort
//                  as unsigned bytes; numbers sort numerically; a blank field
//                  is NULL and sorts before every value.
//   quilm_indexes  one row per index: name ('' for the primary key) and its
//                  fields in the schema text form ("Frequency desc;Word").
//   SQLite indexes realising them: quilm_primary (UNIQUE) on the primary key
//                  fields, quilm_index_<NAME> on the fields of each named index
//                  followed by the primary key fields, the order the cursor
//                  walks (key_order.h).
#pragma once

#include <sqlite3.h>

#include "tables/table_schema.h"
#include "common/status.h"

namespace quilm {

inline constexpr int kTableApplicationId = 0x5175696C;
inline constexpr int kTableLayoutVersion = 1;

// Creates the tables and indexes of `schema` in an empty database.
Status write_table_layout(sqlite3* db, const TableSchema& schema);

// Reads the schema back. The error says, without naming the file, what is
// wrong: not an SQLite database, not a table file, damaged.
Status read_table_layout(sqlite3* db, TableSchema* schema);

// The field columns of `records` in field order, quoted for SQL.
std::string field_list_sql(const TableSchema& schema);

// A sentence for an SQLite failure met while reading or writing a table file.
std::string describe_sqlite_error(sqlite3* db, int code);

}  // namespace quilm
