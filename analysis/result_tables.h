// Writing the result tables of a frequency analysis into a folder: each
// table starts as a copy of its empty template from the data folder's Dict/
// and receives its rows in one transaction.
//
// All or nothing: every template is checked first, and every table is built
// under a temporary name; only when all are complete do they replace the
// tables of the folder. A damaged template or a table that cannot be written
// gives a message naming it, and the folder's tables stay as they were.
#pragma once

#include <filesystem>
#include <vector>

#include "analysis/frequency_results.h"
#include "analysis/result_rows.h"
#include "common/status.h"
#include "tables/table_schema.h"

namespace quilm {

Status write_result_tables(const FrequencyResults& results, const std::vector<ResultTable>& tables,
                           const std::filesystem::path& templates, const std::filesystem::path& folder);

// The triples as the trigram table of the Roman-to-Gurmukhi ranking holds
// them (ppword, pword, word, Count), in a new table file of `schema` that
// replaces `path` only when complete.
Status write_trigram_table(const FrequencyResults& results, const TableSchema& schema, const std::filesystem::path& path);

}  // namespace quilm
