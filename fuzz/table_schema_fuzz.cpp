// The schema text of table files on any bytes; a schema it accepts is
// written and must parse again.
#include "tables/schema_text.h"
#include "fuzz/fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  quilm::TableSchema schema;
  if (!quilm::parse_table_schema(quilm::fuzz::as_bytes(data, size), &schema)) return 0;
  quilm::TableSchema again;
  if (!quilm::parse_table_schema(quilm::format_table_schema(schema), &again)) __builtin_trap();
  return 0;
}
