// The order a table's records are read in and the SQL that keeps searches in
// step with it. An order is a key (the fields FindKey and FindNearest compare,
// each ascending or descending) followed by tie-breakers that make it total:
// the primary key fields, then record_id (adding order). SQLite does every
// comparison itself, so the order the cursor walks and the order searches
// assume are one and the same:
//   - text fields are BLOBs, compared as unsigned bytes, a shorter string
//     before any longer one that begins with it;
//   - number fields compare numerically;
//   - a blank (NULL) field comes before every value in an ascending field and
//     after every value in a descending one.
#pragma once

#include <string>
#include <vector>

#include "tables/field_value.h"
#include "tables/table_schema.h"
#include "common/status.h"

namespace quilm {

struct KeyOrder {
  std::vector<IndexField> key;  // empty for the adding order of a table without primary key
  std::string order_by;         // "ORDER BY ..." including the tie-breakers
};

// Order by the primary key (adding order when there is none).
KeyOrder primary_order(const TableSchema& schema);
KeyOrder index_order(const TableSchema& schema, const IndexDef& index);
// Order by IndexFieldNames ("Word" or "ppword;pword;word"); fails on an
// unknown field.
Status field_order(const TableSchema& schema, const std::string& field_names, KeyOrder* order);

// WHERE condition (parameters ?1..?n) true when the first n key fields equal
// the n values; blanks equal blanks.
std::string key_equals_sql(const std::vector<IndexField>& key, std::size_t n);

// WHERE conditions (parameters ?1..?n), to be tried in turn, that together
// hold for the records whose first n key fields are not before `values` in
// the order: the first record found by the first condition that finds one
// is the first record not before the values. Split so that each condition
// is a plain index range on the first key field (blanks, which sort at one
// end of the index, get a condition of their own). The values decide how
// blanks are written into the conditions; their parameters are still bound.
std::vector<std::string> key_not_before_sql(const std::vector<IndexField>& key,
                                            const std::vector<FieldValue>& values);

}  // namespace quilm
