// The six result tables of a frequency analysis as rows of field values, in
// the tables' field order: what the table writer stores and what the
// command line prints.
#pragma once

#include <array>
#include <functional>
#include <vector>

#include "analysis/frequency_results.h"
#include "tables/field_value.h"

namespace quilm {

enum class ResultTable { WordFreq, CharFreq, BiGram, TriGram, WordPos, Stats };
inline constexpr std::array<ResultTable, 6> kResultTables = {ResultTable::WordFreq, ResultTable::CharFreq,
                                                             ResultTable::BiGram,   ResultTable::TriGram,
                                                             ResultTable::WordPos,  ResultTable::Stats};

struct ResultField {
  const char* name;
  bool key;  // a collation key: bytes that are no text
};

struct ResultTableShape {
  const char* file;  // in the data folder, and its template in Dict/
  std::vector<ResultField> fields;
};
const ResultTableShape& result_table_shape(ResultTable table);

using ResultRow = std::vector<FieldValue>;
void for_each_result_row(const FrequencyResults& results, ResultTable table,
                         const std::function<void(const ResultRow&)>& row);

}  // namespace quilm
