// Makes the tables of Roman spellings (RomanGur.dbf, EnglishGur.DBF,
// Abbr.db) from their compact sources: UTF-8 lines "ROMAN<TAB>GURMUKHI
// GURMUKHI ...", one record per Gurmukhi word in the order given ('#'
// starts a comment line). The Gurmukhi is stored in the pivot encoding.
#pragma once

#include <filesystem>

#include "common/bytes.h"
#include "common/status.h"
#include "tables/table_schema.h"

namespace quilm {

Status build_roman_table(const TableSchema& schema, BytesView source, const std::filesystem::path& out);

}  // namespace quilm
