// Word, pair and triple counts kept as compact UTF-8 text (the sources of
// the data folder's statistics tables), read back into the rows of the
// analysis tables. A line is the words separated by blanks, a tab and the
// count: "ਘਰ ਵਿੱਚ<TAB>412". The tables hold the words in the pivot encoding
// with their collation keys, as an analysis of pivot text writes them.
#pragma once

#include <cstdint>
#include <vector>

#include "analysis/frequency_results.h"
#include "common/bytes.h"
#include "common/status.h"

namespace quilm {

struct CountedWords {
  std::vector<Bytes> words;  // UTF-8, in text order
  std::int64_t count = 0;
};

// The lines of `text`, each with exactly `words_per_line` words; the error
// names the first bad line.
Status read_counts(BytesView text, std::size_t words_per_line, std::vector<CountedWords>& out);

// Result rows for counted words, pairs and triples; word lengths and
// percentages as an analysis of the same words would make them.
FrequencyResults results_from_counts(const std::vector<CountedWords>& words, const std::vector<CountedWords>& pairs,
                                     const std::vector<CountedWords>& triples);

}  // namespace quilm
