// Bringing a dBase table of an older installation into the table store:
// the records are moved with their text bytes unchanged, and the fields
// that the program derives from others (the dictionary key of a
// Punjabi-English headword, the reversed word of the affix list) are
// computed afresh rather than trusted. The tables the program knows get the
// indexes its windows select.
//
// The new table file is built beside the destination and renamed over it
// only when complete, so a bad file writes nothing and a crash leaves the
// old table or the new one.
#pragma once

#include <filesystem>

#include "common/status.h"
#include "tables/table_schema.h"

namespace quilm {

struct ImportReport {
  long records = 0;  // records written
  long deleted = 0;  // records marked deleted in the dBase file, left out
};

// Reads `dbf` (and its memo file, the same name with .dbt, when there is
// one) and writes the table file `table`. When `table` is already a table
// file, its fields and indexes are kept and the records replace its own;
// otherwise the fields are the dBase file's.
Status import_dbase_table(const std::filesystem::path& dbf, const std::filesystem::path& table, ImportReport* report);

// The schema a dBase file's fields give a new table named `table_name`,
// with the derived fields and indexes of the tables the program knows.
struct DbaseField;
TableSchema imported_schema(const std::vector<DbaseField>& fields, const std::string& table_name);

}  // namespace quilm
