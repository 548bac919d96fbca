// ORDER BY clauses and key comparisons as SQL.
#include "tables/key_order.h"

#include <algorithm>

#include "tables/schema_text.h"
#include "tables/sqlite_db.h"

namespace quilm {
namespace {

using sqlite::quote_name;

bool key_has_field(const std::vector<IndexField>& key, const std::string& name) {
  for (const auto& field : key)
    if (names_equal(field.name, name)) return true;
  return false;
}

KeyOrder make_order(const TableSchema& schema, std::vector<IndexField> key) {
  std::string terms;
  const auto add_term = [&terms](const std::string& term) { terms += (terms.empty() ? "" : ", ") + term; };
  for (const auto& field : key) add_term(quote_name(field.name) + (field.descending ? " DESC" : ""));
  for (const auto& name : schema.primary_key)
    if (!key_has_field(key, name)) add_term(quote_name(name));
  add_term("record_id");
  return KeyOrder{std::move(key), "ORDER BY " + terms};
}

std::string parameter(std::size_t i) { return "?" + std::to_string(i + 1); }

// True when the field's value comes strictly after the bound value.
std::string after_sql(const IndexField& field, std::size_t i, bool value_is_blank) {
  const std::string name = quote_name(field.name);
  if (!field.descending) return value_is_blank ? name + " IS NOT NULL" : name + " > " + parameter(i);
  // Descending: larger values first, blanks last.
  return value_is_blank ? "0" : "(" + name + " < " + parameter(i) + " OR " + name + " IS NULL)";
}

std::string equals_sql(const IndexField& field, std::size_t i) {
  return quote_name(field.name) + " IS " + parameter(i);
}

}  // namespace

KeyOrder primary_order(const TableSchema& schema) {
  std::vector<IndexField> key;
  for (const auto& name : schema.primary_key) key.push_back({name, false});
  return make_order(schema, std::move(key));
}

KeyOrder index_order(const TableSchema& schema, const IndexDef& index) {
  return make_order(schema, index.fields);
}

Status field_order(const TableSchema& schema, const std::string& field_names, KeyOrder* order) {
  std::vector<IndexField> key;
  if (Status parsed = parse_index_fields(field_names, &key); !parsed) return parsed;
  for (const auto& field : key)
    if (field_position(schema, field.name) < 0)
      return Status::Error("the table has no field \"" + field.name + "\"");
  *order = make_order(schema, std::move(key));
  return Status::Ok();
}

std::string key_equals_sql(const std::vector<IndexField>& key, std::size_t n) {
  std::string sql;
  for (std::size_t i = 0; i < n && i < key.size(); ++i)
    sql += (i == 0 ? "" : " AND ") + equals_sql(key[i], i);
  return sql.empty() ? "1" : sql;
}

// Lexicographic "not before": the record is after the values on the first
// field, or equal there and after on the second, ..., or equal on all.
std::vector<std::string> key_not_before_sql(const std::vector<IndexField>& key,
                                            const std::vector<FieldValue>& values) {
  const std::size_t n = std::min(key.size(), values.size());
  if (n == 0) return {"1"};
  std::string alternatives;
  std::string equal_so_far;
  for (std::size_t i = 0; i < n; ++i) {
    const std::string prefix = equal_so_far.empty() ? "" : equal_so_far + " AND ";
    alternatives += "(" + prefix + after_sql(key[i], i, values[i].is_null()) + ") OR ";
    equal_so_far = prefix + equals_sql(key[i], i);
  }
  const std::string condition = "(" + alternatives + "(" + equal_so_far + "))";
  const std::string first = quote_name(key[0].name);
  if (values[0].is_null())  // ascending: every record qualifies on the first field; descending: blanks only
    return {key[0].descending ? first + " IS NULL AND " + condition : condition};
  if (!key[0].descending) return {first + " >= ?1 AND " + condition};
  // Descending: values not greater than the first one, then the blanks.
  return {first + " <= ?1 AND " + condition, first + " IS NULL AND " + condition};
}

}  // namespace quilm
