// The dBase reader on any bytes: the first two bytes give the length of the
// .dbf part (little-endian), the rest after it is the .dbt memo file (none
// when the input ends there). It never reads outside its input, and every
// record it gives has one value per field.
#include <cstdlib>

#include "dict/dbase_file.h"
#include "fuzz/fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  quilm::fuzz::FuzzInput input(data, size);
  const std::size_t dbf_length = input.take_byte() | (static_cast<std::size_t>(input.take_byte()) << 8);
  const quilm::BytesView rest = input.rest();
  const quilm::BytesView dbf = rest.substr(0, dbf_length);
  std::optional<quilm::Bytes> memo;
  if (rest.size() > dbf_length) memo = quilm::Bytes(rest.substr(dbf_length));
  quilm::DbaseTable table;
  if (quilm::read_dbase_table(dbf, memo, &table)) {
    for (const auto& record : table.records)
      if (record.size() != table.fields.size()) std::abort();
  }
  return 0;
}
