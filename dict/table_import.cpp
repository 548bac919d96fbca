#include "dict/table_import.h"

#include <algorithm>
#include <system_error>

#include "common/file_io.h"
#include "dict/dbase_file.h"
#include "dict/dictionary_key.h"
#include "dict/known_tables.h"
#include "tables/build_table_file.h"
#include "tables/schema_text.h"
#include "tables/sqlite_table.h"

namespace quilm {
namespace {

namespace fs = std::filesystem;

// The memo file beside a dBase file: the same name with .dbt in any case.
std::optional<Bytes> memo_beside(const fs::path& dbf) {
  for (const char* ext : {".dbt", ".DBT", ".Dbt"}) {
    fs::path memo = dbf;
    memo.replace_extension(ext);
    std::error_code error;
    if (fs::is_regular_file(memo, error)) return read_file(memo);
  }
  return std::nullopt;
}

FieldValue derived_value(const DerivedField& d, const FieldValue& source) {
  if (source.is_null()) return FieldValue();
  const Bytes text = source.as_text();
  if (d.how == Derivation::DictionaryKey) return FieldValue(dictionary_key(text));
  return FieldValue(Bytes(text.rbegin(), text.rend()));
}

// The schema of an existing table file; false when there is none there.
bool existing_schema(const fs::path& table, TableSchema* schema) {
  std::error_code error;
  if (!fs::exists(table, error)) return false;
  SqliteTable t(table.string());
  if (!t.Open()) return false;
  *schema = t.Schema();
  t.Close();
  return true;
}

// Where each field of `schema` takes its value from: a dBase field, a
// derivation, or nothing.
struct FieldSource {
  int dbase = -1;
  const DerivedField* derived = nullptr;
  int derived_from = -1;  // the dBase field it is computed from
};

int dbase_field(const std::vector<DbaseField>& fields, std::string_view name) {
  for (std::size_t i = 0; i < fields.size(); ++i)
    if (names_equal(fields[i].name, name)) return static_cast<int>(i);
  return -1;
}

Status plan_fields(const TableSchema& schema, const std::vector<DbaseField>& fields, const KnownTable* known,
                   std::vector<FieldSource>* plan) {
  for (const DbaseField& f : fields) {
    if (field_position(schema, f.name) < 0)
      return Status::Error("the table has no field " + f.name + ", which the dBase file holds");
  }
  for (const FieldDef& def : schema.fields) {
    FieldSource s;
    s.dbase = dbase_field(fields, def.name);
    static constexpr std::array<DerivedField, 1> kNone{};
    for (const DerivedField& d : known ? known->derived : kNone) {
      if (d.field.empty() || !names_equal(d.field, def.name) || dbase_field(fields, d.source) < 0) continue;
      s.derived = &d;
      s.derived_from = dbase_field(fields, d.source);
    }
    plan->push_back(s);
  }
  return Status::Ok();
}

Status write_records(Table& table, const TableSchema& schema, const DbaseTable& dbase,
                     const std::vector<FieldSource>& plan) {
  std::vector<std::string> names;
  for (const FieldDef& f : schema.fields) names.push_back(f.name);
  long number = 0;
  for (const std::vector<FieldValue>& record : dbase.records) {
    ++number;
    std::vector<FieldValue> values;
    for (std::size_t i = 0; i < schema.fields.size(); ++i) {
      const FieldSource& source = plan[i];
      FieldValue v;
      if (source.derived) v = derived_value(*source.derived, record[static_cast<std::size_t>(source.derived_from)]);
      else if (source.dbase >= 0) v = record[static_cast<std::size_t>(source.dbase)];
      std::optional<FieldValue> stored = convert_for_field(v, schema.fields[i].type);
      if (!stored)
        return Status::Error("record " + std::to_string(number) + ": the field " + schema.fields[i].name +
                             " cannot hold \"" + v.as_text() + "\"");
      values.push_back(std::move(*stored));
    }
    if (Status s = insert_record(table, names, values); !s) return s;
  }
  return Status::Ok();
}

}  // namespace

TableSchema imported_schema(const std::vector<DbaseField>& fields, const std::string& table_name) {
  TableSchema schema;
  for (const DbaseField& f : fields) schema.fields.push_back({f.name, field_type_of(f)});
  const KnownTable* known = known_table(table_name);
  if (!known) return schema;
  for (const DerivedField& d : known->derived) {
    if (!d.field.empty() && field_position(schema, d.field) < 0 && field_position(schema, d.source) >= 0)
      schema.fields.push_back({std::string(d.field), FieldType::Text});
  }
  for (const KnownIndex& k : known->indexes) {
    IndexDef index{std::string(k.name), {}};
    if (k.name.empty() || !parse_index_fields(k.fields, &index.fields)) continue;
    const bool all_there = std::all_of(index.fields.begin(), index.fields.end(),
                                       [&](const IndexField& f) { return field_position(schema, f.name) >= 0; });
    if (all_there) schema.indexes.push_back(std::move(index));
  }
  return schema;
}

Status import_dbase_table(const fs::path& dbf, const fs::path& table, ImportReport* report) {
  const std::optional<Bytes> bytes = read_file(dbf);
  if (!bytes) return Status::Error("cannot read " + dbf.string());
  DbaseTable dbase;
  if (Status s = read_dbase_table(*bytes, memo_beside(dbf), &dbase); !s)
    return Status::Error(dbf.string() + ": " + s.message());
  TableSchema schema;
  if (!existing_schema(table, &schema)) schema = imported_schema(dbase.fields, table.filename().string());
  if (Status s = validate_table_schema(schema); !s) return s;
  std::vector<FieldSource> plan;
  if (Status s = plan_fields(schema, dbase.fields, known_table(table.filename().string()), &plan); !s)
    return Status::Error(table.string() + ": " + s.message());

  const Status built =
      build_table_file(table, schema, [&](Table& t) { return write_records(t, schema, dbase, plan); });
  if (!built) return built;
  report->records = static_cast<long>(dbase.records.size());
  report->deleted = dbase.deleted;
  return Status::Ok();
}

}  // namespace quilm
