// A dBase III or IV table file (.dbf) with its memo file (.dbt), read into
// memory: the field descriptors and the records that are not marked
// deleted. Text bytes come out exactly as stored (less the blanks that pad
// a character field), whatever encoding they are in.
//
// Every number the header gives is checked against the file before it is
// used: a header that promises more records than the file holds, a record
// length that does not match the fields, a field list without its end, a
// memo block outside the memo file, is refused with a message that says
// what is wrong; nothing is read past the end of either file.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "common/bytes.h"
#include "common/status.h"
#include "tables/field_value.h"

namespace quilm {

struct DbaseField {
  std::string name;
  char type = 'C';  // C character, N numeric, F float, L logical, D date, M memo
  int length = 0;
  int decimals = 0;
};

struct DbaseTable {
  std::vector<DbaseField> fields;
  std::vector<std::vector<FieldValue>> records;  // one value per field; blank fields are blank values
  long deleted = 0;                              // records marked deleted, left out
};

// The table in `dbf`; `memo` holds the .dbt file when there is one. A memo
// field without a memo file is an error.
Status read_dbase_table(BytesView dbf, const std::optional<Bytes>& memo, DbaseTable* table);

// The type a field of the table store takes for a dBase field.
FieldType field_type_of(const DbaseField& field);

}  // namespace quilm
