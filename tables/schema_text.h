// The text form of a table schema, as kept under data/tables/ and read by
// `quilm-cli table create`. One statement a line; '#' starts a comment:
//
//   field Word text              a field: name and type (text, integer, real)
//   field Frequency integer
//   primary Word                 the primary key fields, ';'-separated
//   index RF Frequency desc;Word a named index: name, then its fields,
//                                ';'-separated, each optionally "desc"
//
// Field lists are written as IndexFieldNames writes them ("ppword;pword;word").
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "tables/table_schema.h"
#include "common/status.h"

namespace quilm {

// Parses and validates a schema; the message of an error names the line.
Status parse_table_schema(std::string_view text, TableSchema* schema);

// The schema in the form parse_table_schema reads.
std::string format_table_schema(const TableSchema& schema);

// "Frequency desc;Word" <-> fields. Parsing fails on an empty item or a
// modifier other than "asc" or "desc".
Status parse_index_fields(std::string_view text, std::vector<IndexField>* fields);
std::string format_index_fields(const std::vector<IndexField>& fields);

}  // namespace quilm
