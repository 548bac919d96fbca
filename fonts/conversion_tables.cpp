// Converters by name; the tables themselves are generated from fonts/tables/.
#include "fonts/conversion_tables.h"

namespace quilm {

const ReaderTable* find_reader(std::string_view name) {
  for (const ReaderTable* table : all_readers())
    if (table->name == name) return table;
  return nullptr;
}

const WriterTable* find_writer(std::string_view name) {
  for (const WriterTable* table : all_writers())
    if (table->name == name) return table;
  return nullptr;
}

}  // namespace quilm
