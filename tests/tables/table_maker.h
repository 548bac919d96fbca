// Table files for the table store tests: a schema written as schema text and
// records given as rows of values in field order.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "tables/field_value.h"
#include "tables/table.h"

namespace quilm::test {

using Row = std::vector<FieldValue>;

// Creates `path` from the schema text and posts the rows into it. Failures
// are reported as test failures.
void make_table(const std::filesystem::path& path, std::string_view schema_text, const std::vector<Row>& rows);

// The text of `field` in every record, walking from First to Eof.
std::vector<Bytes> walk_field(Table& table, std::string_view field);

// Bytes written as "6B A2" (for readable failure messages of byte keys).
std::string hex(BytesView bytes);
std::vector<std::string> hex(const std::vector<Bytes>& list);

}  // namespace quilm::test
