// Reading a result table of a frequency analysis back from its table file
// (the data folder's after an analysis, a stored word list's after a load):
// every record in the table's primary order, its fields in the order of
// the table's shape (analysis/result_rows.h). The analysis window's grids and
// the comma-delimited export show these rows.
#pragma once

#include <filesystem>
#include <vector>

#include "analysis/result_rows.h"
#include "common/status.h"

namespace quilm {

// A missing or damaged file, or one without the table's fields, gives a
// message naming it and no rows.
Status read_result_table(const std::filesystem::path& path, ResultTable table, std::vector<ResultRow>& rows);

}  // namespace quilm
