#include "app/stored_tables.h"

#include "tables/sqlite_table.h"

namespace quilm {
namespace {

Status open_table(Table& table, const StoredTable& stored) {
  Status opened = table.Open();
  if (!opened.ok()) return opened;
  if (*stored.index) return table.SetIndexName(stored.index);
  return Status::Ok();
}

}  // namespace

bool StoredTables::open_for(std::string_view window, const std::filesystem::path& data_folder,
                            Prompter& prompter) {
  for (const StoredTable& stored : kStoredTables) {
    if (window != stored.window) continue;
    auto table = std::make_unique<SqliteTable>((data_folder / stored.file).string());
    Status opened = open_table(*table, stored);
    if (!opened.ok()) {
      if (stored.required) {
        prompter.error(opened.message() + "\nQuilm 2010 cannot start without this table.");
        return false;
      }
      prompter.message(opened.message());
      continue;
    }
    tables_.push_back(std::move(table));
  }
  return true;
}

Table* StoredTables::find(std::string_view file) const {
  for (const auto& table : tables_) {
    const std::filesystem::path name(table->TableName());
    if (name.filename() == file) return table.get();
  }
  return nullptr;
}

}  // namespace quilm
