// A dictionary table of a test's folder filled from a source in the shipped
// form, with the table's shipped schema (data/tables/NAME.schema).
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "common/file_io.h"
#include "dict/dictionary_sources.h"
#include "tables/schema_text.h"

namespace quilm::test {

inline Status build_shipped_table(const std::string& table, BytesView source, const std::filesystem::path& folder,
                                  const FontConverter& converter) {
  const std::optional<Bytes> text =
      read_file(std::filesystem::path(QUILM_SOURCE_DIR) / "data" / "tables" / (table + ".schema"));
  if (!text) return Status::Error("no schema for " + table);
  TableSchema schema;
  if (Status s = parse_table_schema(*text, &schema); !s) return s;
  return build_dictionary_table(table, schema, source, folder / table, converter);
}

}  // namespace quilm::test
