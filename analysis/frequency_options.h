// The settings of the "Frequency Options" window: a display filter on the
// word table (word length and frequency, each from a minimum to a maximum)
// and the thresholds above which word pairs and triples are written.
//
// The six values are typed as digits 0-9. They are read all together: one
// box that holds no number, or a minimum above its maximum, leaves every
// setting as it was, and the message names the box. The filter is made from
// the numbers read, never from the typed text.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "analysis/frequency_results.h"
#include "analysis/result_rows.h"
#include "common/status.h"

namespace quilm {

struct WordDisplayFilter {
  int min_length = 1, max_length = 30;
  int min_frequency = 1, max_frequency = 100000;

  bool admits(std::int64_t length, std::int64_t frequency) const {
    return length >= min_length && length <= max_length && frequency >= min_frequency && frequency <= max_frequency;
  }
  bool operator==(const WordDisplayFilter&) const = default;
};

struct FrequencyOptions {
  WordDisplayFilter filter;
  AnalysisThresholds thresholds;
  bool operator==(const FrequencyOptions&) const = default;
};

// The six boxes, in the window's order.
enum class FrequencyOption { MinLength, MaxLength, MinFrequency, MaxFrequency, BigramThreshold, TrigramThreshold };
inline constexpr std::size_t kFrequencyOptionCount = 6;
using FrequencyOptionTexts = std::array<std::string, kFrequencyOptionCount>;

// The caption of a box ("Minimum Length", "BiGram Threshold" ...).
const char* frequency_option_caption(FrequencyOption option);

// The texts the boxes show for `options`.
FrequencyOptionTexts frequency_option_texts(const FrequencyOptions& options);

// Reads the six texts into `options`, all or nothing: on failure `options`
// is unchanged and the message names the first box at fault.
Status read_frequency_options(const FrequencyOptionTexts& texts, FrequencyOptions& options);

// The filter as the word table's filter text:
// "Length >= 1 and Length <= 30 and Frequency >= 1 and Frequency <= 100000".
std::string word_filter_text(const WordDisplayFilter& filter);

// Whether a row of the word table (fields as result_table_shape gives them)
// passes the filter.
bool word_row_admitted(const ResultRow& row, const WordDisplayFilter& filter);

// The words of `results` that pass the filter, in their order; the other
// tables and the statistics stay as they were.
void filter_words(FrequencyResults& results, const WordDisplayFilter& filter);

}  // namespace quilm
