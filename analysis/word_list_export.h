// A word list as one comma-delimited text ("Comma Delimited Textfile"): the
// words with their frequencies and percentages, then the word pairs and the
// word triples, each part with its header, lines ending in CR LF. Words are
// written as their bytes in the analysis's font, numbers in decimal, the
// percentage as stored. A field holding a comma, a double quote or a line
// break is put in double quotes (its quotes doubled), so that a spreadsheet
// reads every row whole.
//
// Loading a stored list reads its tables back; a table the list lacks (an
// analysis that kept no positions) is empty.
#pragma once

#include <array>
#include <filesystem>
#include <vector>

#include "analysis/result_rows.h"
#include "analysis/text_words.h"
#include "common/bytes.h"
#include "common/status.h"
#include "fonts/registry.h"

namespace quilm {

using ResultTableRows = std::array<std::vector<ResultRow>, kResultTables.size()>;

// The rows of `words`, `pairs` and `triples` in the fields' order of
// WordFreq.db, BiGram.db and TriGram.db, in the order they are shown.
Bytes word_list_csv(const std::vector<ResultRow>& words, const std::vector<ResultRow>& pairs,
                    const std::vector<ResultRow>& triples);

// The six tables of `folder` (the data folder or a stored list's folder),
// indexed by ResultTable. A damaged table stops the load with its message.
Status read_word_list_tables(const std::filesystem::path& folder, ResultTableRows& rows);

// How the words of a stored list read, from the last rows of its
// statistics: the language ("English": Latin letters) and the font the
// words stand in ("Unicode": UTF-8; a Gurmukhi font: its glyph codes).
struct StoredListReading {
  TextReading reading;
  std::string font_name;
};
StoredListReading stored_list_reading(const std::vector<ResultRow>& stats, const FontRegistry& fonts);

}  // namespace quilm
