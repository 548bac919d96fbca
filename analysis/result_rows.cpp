#include "analysis/result_rows.h"

namespace quilm {

const ResultTableShape& result_table_shape(ResultTable table) {
  static const std::array<ResultTableShape, 6> shapes = {{
      {"WordFreq.db",
       {{"Word", false}, {"SortKey", true}, {"Length", false}, {"Frequency", false}, {"occurance", false},
        {"percentage", false}}},
      {"CharFreq.db", {{"Character", false}, {"SortKey", true}, {"Frequency", false}, {"percentage", false}}},
      {"BiGram.db", {{"Count", false}, {"word", false}, {"pword", false}, {"sortw", true}, {"psortw", true}}},
      {"TriGram.db",
       {{"Count", false}, {"word", false}, {"pword", false}, {"ppword", false}, {"sortw", true}, {"psortw", true},
        {"ppsortw", true}}},
      {"WordPos.db", {{"Word", false}, {"Pos", false}, {"WIndex", false}, {"FileIndex", false}}},
      {"Stats.db", {{"Label", false}, {"Stats", false}}},
  }};
  return shapes[static_cast<std::size_t>(table)];
}

void for_each_result_row(const FrequencyResults& r, ResultTable table,
                         const std::function<void(const ResultRow&)>& row) {
  switch (table) {
    case ResultTable::WordFreq:
      for (const WordCount& w : r.words)
        row({w.word, w.key, w.length, w.count, w.first_rank, percentage_text(w.count, r.total_words)});
      return;
    case ResultTable::CharFreq:
      for (const CharacterCount& c : r.characters)
        row({c.character, c.key, c.frequency, percentage_text(c.frequency, r.total_characters)});
      return;
    case ResultTable::BiGram:
      for (const PairCount& p : r.pairs) row({p.count, p.word, p.pword, p.sortw, p.psortw});
      return;
    case ResultTable::TriGram:
      for (const TripleCount& t : r.triples) row({t.count, t.word, t.pword, t.ppword, t.sortw, t.psortw, t.ppsortw});
      return;
    case ResultTable::WordPos:
      for (const PositionRow& p : r.positions) row({p.word, static_cast<std::int64_t>(p.pos), p.windex, 1});
      return;
    case ResultTable::Stats:
      for (std::size_t i = 0; i < kStatsRows; ++i) row({stats_labels()[i], r.stats[i]});
      return;
  }
}

}  // namespace quilm
