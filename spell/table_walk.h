// Walking and filling table files record by record.
#pragma once

#include <filesystem>
#include <string_view>
#include <utility>
#include <vector>

#include "tables/sqlite_table.h"
#include "tables/table.h"

namespace quilm {

// The walk runs in one transaction, so that the file is locked once rather
// than at every record.
template <typename Visit>
void for_each_record(Table& table, Visit visit) {
  const bool in_transaction = static_cast<bool>(table.StartTransaction());
  if (!table.IsEmpty()) {
    table.First();
    while (true) {
      visit(table);
      table.Next();
      if (table.Eof()) break;
    }
  }
  if (in_transaction) table.Rollback();
}

// One new record with these field values, posted.
inline Status post_record(Table& table, const std::vector<std::pair<std::string_view, FieldValue>>& fields) {
  if (Status st = table.Insert(); !st) return st;
  for (const auto& [name, value] : fields) {
    if (Status st = table.SetFieldByName(name, value); !st) {
      table.Cancel();
      return st;
    }
  }
  return table.Post();
}

// Opens the table file and posts one record per item in one transaction;
// `fields_of(item)` gives the record's field values.
template <typename Items, typename FieldsOf>
Status fill_table(const std::filesystem::path& table_file, const Items& items, FieldsOf fields_of) {
  SqliteTable table(table_file.string());
  if (Status st = table.Open(); !st) return st;
  if (Status st = table.StartTransaction(); !st) return st;
  for (const auto& item : items) {
    if (Status st = post_record(table, fields_of(item)); !st) {
      table.Rollback();
      return st;
    }
  }
  Status st = table.Commit();
  table.Close();
  return st;
}

}  // namespace quilm
