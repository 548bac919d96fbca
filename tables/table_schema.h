// What a table is made of: its fields, the fields of its primary key and its
// named indexes. A table file keeps its schema (see table_file_layout.h);
// create_table_file builds a file from one.
//
// Names of fields and indexes compare without regard to ASCII case, as the
// BDE compared them ("Punjabi" finds the field PUNJABI).
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "tables/field_value.h"
#include "common/status.h"

namespace quilm {

struct FieldDef {
  std::string name;
  FieldType type = FieldType::Text;
  bool operator==(const FieldDef&) const = default;
};

// One field of an index and its direction.
struct IndexField {
  std::string name;
  bool descending = false;
  bool operator==(const IndexField&) const = default;
};

struct IndexDef {
  std::string name;  // as IndexName selects it
  std::vector<IndexField> fields;
  bool operator==(const IndexDef&) const = default;
};

struct TableSchema {
  std::vector<FieldDef> fields;          // in record order
  std::vector<std::string> primary_key;  // empty: records stay in the order they were added
  std::vector<IndexDef> indexes;         // the named indexes
  bool operator==(const TableSchema&) const = default;
};

bool names_equal(std::string_view a, std::string_view b);

// Index of the field in schema.fields, or -1.
int field_position(const TableSchema& schema, std::string_view name);
const IndexDef* find_index(const TableSchema& schema, std::string_view name);

// Field and index names are letters, digits and '_' (as dBase and Paradox
// names of this program's tables are); this keeps them safe to quote in SQL.
bool is_valid_name(std::string_view name);

// Checks that names are valid and unique, that every key field exists, and
// that no key is empty.
Status validate_table_schema(const TableSchema& schema);

const char* field_type_name(FieldType type);

}  // namespace quilm
