#include "dict/known_tables.h"

#include "tables/table_schema.h"

namespace quilm {
namespace {

std::string_view stem(std::string_view name) { return name.substr(0, name.find('.')); }

}  // namespace

const KnownTable* known_table(std::string_view file_name) {
  for (const KnownTable& t : kKnownTables) {
    if (names_equal(file_name, t.file) || names_equal(stem(file_name), stem(t.file))) return &t;
  }
  return nullptr;
}

}  // namespace quilm
