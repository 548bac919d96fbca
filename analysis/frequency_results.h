// The result rows of a frequency analysis, in the order and with the fields
// of its tables: words, characters, word pairs and triples in key order, the
// word positions, and the statistics.
//
// Statistics never divide by zero: with no words, ratios and percentages
// are 0. Word lengths 1 to 25 and "26 or more" have their counters as the
// table's rows 8 to 33 show them; words of length 0 (a lone nukta) have a
// counter of their own, shown in a last row.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "analysis/frequency_count.h"
#include "analysis/text_words.h"
#include "common/bytes.h"

namespace quilm {

struct AnalysisThresholds {
  std::int64_t bigram = 0;   // pairs seen this often or less are not written
  std::int64_t trigram = 0;
  bool operator==(const AnalysisThresholds&) const = default;
};
// Past this many words an analysis drops the pairs and triples seen once.
inline constexpr std::int64_t kLargeAnalysisWords = 100000;
// The thresholds one analysis of `total_words` words writes with: at least 1
// past kLargeAnalysisWords. The settings themselves stay as they are, so the
// next, smaller analysis writes with them again.
AnalysisThresholds thresholds_for_analysis(AnalysisThresholds settings, std::int64_t total_words);

struct CharacterCount {
  Bytes character;  // as it stands in the text
  Bytes key;
  std::int64_t frequency = 0;
};
struct PairCount {
  std::int64_t count;
  Bytes word, pword, sortw, psortw;
};
struct TripleCount {
  std::int64_t count;
  Bytes word, pword, ppword, sortw, psortw, ppsortw;
};
struct PositionRow {
  Bytes word;
  std::uint64_t pos;
  std::int64_t windex;
};

inline constexpr std::size_t kLengthSlots = 27;  // 0, 1..25, 26 or more
inline constexpr std::size_t kStatsRows = 36;

struct StatsHeader {
  std::string first_file, language = "Punjabi", font_name;
};

struct FrequencyResults {
  std::vector<WordCount> words;  // in key order
  std::vector<CharacterCount> characters;
  std::vector<PairCount> pairs;
  std::vector<TripleCount> triples;
  std::vector<PositionRow> positions;
  std::array<std::int64_t, kLengthSlots> lengths{};
  std::int64_t total_words = 0, total_characters = 0;
  std::array<std::string, kStatsRows> stats;
};

// The labels of the statistics rows, in order.
const std::array<const char*, kStatsRows>& stats_labels();

// "%f" in the C locale of part / whole × 100, 0 when whole is 0.
std::string percentage_text(std::int64_t part, std::int64_t whole);

FrequencyResults summarise(const FrequencyCount& count, const TextReading& reading, const WordForms& forms,
                           AnalysisThresholds thresholds, const StatsHeader& header);

}  // namespace quilm
