#include "analysis/result_table_reader.h"

#include "tables/sqlite_table.h"

namespace quilm {

Status read_result_table(const std::filesystem::path& path, ResultTable table, std::vector<ResultRow>& rows) {
  rows.clear();
  const ResultTableShape& shape = result_table_shape(table);
  SqliteTable t(path.string());
  if (Status opened = t.Open(); !opened.ok()) return opened;
  for (const ResultField& field : shape.fields)
    if (!t.FindField(field.name)) return Status::Error(path.string() + ": no field \"" + field.name + "\"");
  rows.reserve(static_cast<std::size_t>(t.RecordCount()));
  for (t.First(); !t.Eof(); t.Next()) {
    ResultRow row;
    row.reserve(shape.fields.size());
    for (const ResultField& field : shape.fields) row.push_back(t.FieldByName(field.name));
    rows.push_back(std::move(row));
  }
  return Status::Ok();
}

}  // namespace quilm
