// Filling the dictionary tables from their UTF-8 sources: tab-separated
// lines, one record each, whose columns go into the table's fields as its
// recipe says. Gurmukhi columns are stored as index-31 glyph bytes; the
// derived fields (the dictionary key of a headword, the reversed word of the
// affix list, the lower-case lookup form of an English term) are computed
// here with the program's own code.
#pragma once

#include <filesystem>
#include <string_view>

#include "common/status.h"
#include "fonts/conversion.h"
#include "tables/table_schema.h"

namespace quilm {

// True when `table_name` (a file name such as "pbi_to_eng.DBF") has a recipe.
bool has_dictionary_source_recipe(std::string_view table_name);

// Writes the table file `out` with `schema` from `source`; a malformed line
// (too few columns, not UTF-8) fails with its line number and writes nothing.
Status build_dictionary_table(std::string_view table_name, const TableSchema& schema, BytesView source,
                              const std::filesystem::path& out, const FontConverter& converter);

}  // namespace quilm
