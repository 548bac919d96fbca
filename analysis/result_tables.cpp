#include "analysis/result_tables.h"

#include <functional>
#include <system_error>

#include "common/file_io.h"
#include "tables/create_table_file.h"
#include "tables/sqlite_table.h"

namespace quilm {
namespace {

namespace fs = std::filesystem;

// The template opens as a table and has the fields the rows fill.
Status check_template(const fs::path& path, const ResultTableShape& shape) {
  SqliteTable table(path.string());
  if (const Status opened = table.Open(); !opened.ok()) return Status::Error("damaged template: " + opened.message());
  for (const ResultField& field : shape.fields)
    if (!table.FindField(field.name))
      return Status::Error("damaged template: " + path.string() + " has no field \"" + field.name + "\"");
  return Status::Ok();
}

// Appends the rows that `rows` hands out, the values in the order of `fields`.
using RowSource = std::function<void(const std::function<void(const ResultRow&)>&)>;
Status fill_table(const fs::path& path, const std::vector<const char*>& fields, const RowSource& rows) {
  SqliteTable table(path.string());
  Status status = table.Open();
  if (status.ok()) status = table.StartTransaction();
  rows([&](const ResultRow& row) {
    if (!status.ok()) return;
    status = table.Append();
    for (std::size_t i = 0; status.ok() && i < row.size(); ++i) status = table.SetFieldByName(fields[i], row[i]);
    if (status.ok()) status = table.Post();
  });
  if (status.ok()) return table.Commit();
  table.Rollback();
  return status;
}

Status fill_table(const fs::path& path, const FrequencyResults& results, ResultTable which) {
  std::vector<const char*> fields;
  for (const ResultField& f : result_table_shape(which).fields) fields.push_back(f.name);
  return fill_table(path, fields, [&](const auto& row) { for_each_result_row(results, which, row); });
}

fs::path building_name(const fs::path& target) { return fs::path(target.string() + ".building"); }

void remove_built(const std::vector<fs::path>& built) {
  std::error_code ignored;
  for (const fs::path& p : built) fs::remove(p, ignored);
}

}  // namespace

Status write_trigram_table(const FrequencyResults& results, const TableSchema& schema, const fs::path& path) {
  const fs::path building = building_name(path);
  Status status = create_table_file(building, schema);
  if (status.ok())
    status = fill_table(building, {"ppword", "pword", "word", "Count"}, [&](const auto& row) {
      for (const TripleCount& t : results.triples) row({t.ppword, t.pword, t.word, t.count});
    });
  std::error_code error;
  if (status.ok()) fs::rename(building, path, error);
  if (status.ok() && !error) return Status::Ok();
  fs::remove(building, error);
  return Status::Error("cannot write " + path.string() + (status.ok() ? "" : ": " + status.message()));
}

Status write_result_tables(const FrequencyResults& results, const std::vector<ResultTable>& tables,
                           const fs::path& templates, const fs::path& folder) {
  for (ResultTable which : tables) {
    const ResultTableShape& shape = result_table_shape(which);
    if (const Status ok = check_template(templates / shape.file, shape); !ok.ok()) return ok;
  }
  std::vector<fs::path> built;
  for (ResultTable which : tables) {
    const char* file = result_table_shape(which).file;
    const fs::path building = building_name(folder / file);
    const std::optional<Bytes> empty = read_file(templates / file);
    Status status = empty ? write_file_atomically(building, *empty) : Status::Error("cannot read template");
    built.push_back(building);
    if (status.ok()) status = fill_table(building, results, which);
    if (!status.ok()) {
      remove_built(built);
      return Status::Error("cannot write " + (folder / file).string() + ": " + status.message());
    }
  }
  for (std::size_t i = 0; i < tables.size(); ++i) {
    std::error_code error;
    fs::rename(built[i], folder / result_table_shape(tables[i]).file, error);
    if (error) {
      remove_built(std::vector<fs::path>(built.begin() + static_cast<long>(i), built.end()));
      return Status::Error("cannot replace " + (folder / result_table_shape(tables[i]).file).string() + ": " +
                           error.message());
    }
  }
  return Status::Ok();
}

}  // namespace quilm
