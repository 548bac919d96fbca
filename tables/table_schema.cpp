// Lookups and consistency checks on a table schema.
#include "tables/table_schema.h"

#include <algorithm>
#include <cctype>

namespace quilm {
namespace {

bool has_duplicate_names(const std::vector<std::string>& names) {
  for (std::size_t i = 0; i < names.size(); ++i)
    for (std::size_t j = i + 1; j < names.size(); ++j)
      if (names_equal(names[i], names[j])) return true;
  return false;
}

Status check_key_fields(const TableSchema& schema, const std::string& key_label,
                        const std::vector<std::string>& names) {
  if (names.empty()) return Status::Error(key_label + " has no fields");
  for (const auto& name : names)
    if (field_position(schema, name) < 0)
      return Status::Error(key_label + " names the unknown field \"" + name + "\"");
  if (has_duplicate_names(names)) return Status::Error(key_label + " names a field twice");
  return Status::Ok();
}

std::vector<std::string> field_names(const std::vector<IndexField>& fields) {
  std::vector<std::string> names;
  for (const auto& field : fields) names.push_back(field.name);
  return names;
}

Status check_names(const TableSchema& schema) {
  std::vector<std::string> fields;
  for (const auto& field : schema.fields) {
    if (!is_valid_name(field.name)) return Status::Error("invalid field name \"" + field.name + "\"");
    if (names_equal(field.name, "record_id"))
      return Status::Error("the field name \"record_id\" is reserved by the table store");
    fields.push_back(field.name);
  }
  if (fields.empty()) return Status::Error("the table has no fields");
  if (has_duplicate_names(fields)) return Status::Error("two fields have the same name");

  std::vector<std::string> indexes;
  for (const auto& index : schema.indexes) {
    if (!is_valid_name(index.name)) return Status::Error("invalid index name \"" + index.name + "\"");
    indexes.push_back(index.name);
  }
  if (has_duplicate_names(indexes)) return Status::Error("two indexes have the same name");
  return Status::Ok();
}

}  // namespace

bool names_equal(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
  });
}

int field_position(const TableSchema& schema, std::string_view name) {
  for (std::size_t i = 0; i < schema.fields.size(); ++i)
    if (names_equal(schema.fields[i].name, name)) return static_cast<int>(i);
  return -1;
}

const IndexDef* find_index(const TableSchema& schema, std::string_view name) {
  for (const auto& index : schema.indexes)
    if (names_equal(index.name, name)) return &index;
  return nullptr;
}

bool is_valid_name(std::string_view name) {
  if (name.empty() || name.size() > 64) return false;
  return std::all_of(name.begin(), name.end(), [](char c) {
    const auto u = static_cast<unsigned char>(c);
    return u < 0x80 && (std::isalnum(u) || c == '_');
  });
}

Status validate_table_schema(const TableSchema& schema) {
  if (Status names = check_names(schema); !names) return names;
  if (!schema.primary_key.empty()) {
    if (Status key = check_key_fields(schema, "the primary key", schema.primary_key); !key) return key;
  }
  for (const auto& index : schema.indexes) {
    const Status key = check_key_fields(schema, "index \"" + index.name + "\"", field_names(index.fields));
    if (!key) return key;
  }
  return Status::Ok();
}

const char* field_type_name(FieldType type) {
  switch (type) {
    case FieldType::Text: return "text";
    case FieldType::Integer: return "integer";
    case FieldType::Real: return "real";
  }
  return "text";
}

}  // namespace quilm
