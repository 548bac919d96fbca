// Building small table files for tests.
#include "tests/tables/table_maker.h"

#include <gtest/gtest.h>

#include "common/hex.h"
#include "tables/create_table_file.h"
#include "tables/schema_text.h"
#include "tables/sqlite_table.h"

namespace quilm::test {

void make_table(const std::filesystem::path& path, std::string_view schema_text, const std::vector<Row>& rows) {
  TableSchema schema;
  const Status parsed = parse_table_schema(schema_text, &schema);
  ASSERT_TRUE(parsed) << parsed.message();
  const Status created = create_table_file(path, schema);
  ASSERT_TRUE(created) << created.message();
  SqliteTable table(path.string());
  ASSERT_TRUE(table.Open());
  ASSERT_TRUE(table.StartTransaction());
  for (const Row& row : rows) {
    ASSERT_TRUE(table.Append());
    for (std::size_t i = 0; i < row.size(); ++i) ASSERT_TRUE(table.SetFieldByName(schema.fields[i].name, row[i]));
    const Status posted = table.Post();
    ASSERT_TRUE(posted) << posted.message();
  }
  ASSERT_TRUE(table.Commit());
}

std::vector<Bytes> walk_field(Table& table, std::string_view field) {
  std::vector<Bytes> values;
  for (table.First(); !table.Eof(); table.Next()) values.push_back(table.FieldByName(field).as_text());
  return values;
}

std::string hex(BytesView bytes) { return quilm::hex::format_bytes(bytes); }

std::vector<std::string> hex(const std::vector<Bytes>& list) {
  std::vector<std::string> out;
  for (const auto& bytes : list) out.push_back(hex(bytes));
  return out;
}

}  // namespace quilm::test
