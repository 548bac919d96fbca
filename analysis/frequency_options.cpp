#include "analysis/frequency_options.h"

#include <algorithm>
#include <optional>

#include "common/whole_number.h"

namespace quilm {
namespace {

constexpr int kLargestOption = 999999999;  // nine digits

constexpr std::array<const char*, kFrequencyOptionCount> kCaptions = {
    "Minimum Length", "Maximum Length", "Minimum Frequency", "Maximum Frequency", "BiGram Threshold",
    "TriGram Threshold"};

std::size_t slot(FrequencyOption option) { return static_cast<std::size_t>(option); }

Status not_a_number(FrequencyOption option) {
  return Status::Error(std::string(frequency_option_caption(option)) +
                       " must be a whole number of at most nine digits 0-9");
}

Status above(FrequencyOption low, FrequencyOption high) {
  return Status::Error(std::string(frequency_option_caption(low)) + " is greater than " +
                       frequency_option_caption(high));
}

std::size_t field_position(const char* name) {
  const auto& fields = result_table_shape(ResultTable::WordFreq).fields;
  return static_cast<std::size_t>(
      std::find_if(fields.begin(), fields.end(), [&](const ResultField& f) { return std::string(f.name) == name; }) -
      fields.begin());
}

}  // namespace

const char* frequency_option_caption(FrequencyOption option) { return kCaptions[slot(option)]; }

FrequencyOptionTexts frequency_option_texts(const FrequencyOptions& o) {
  return {std::to_string(o.filter.min_length),    std::to_string(o.filter.max_length),
          std::to_string(o.filter.min_frequency), std::to_string(o.filter.max_frequency),
          std::to_string(o.thresholds.bigram),    std::to_string(o.thresholds.trigram)};
}

Status read_frequency_options(const FrequencyOptionTexts& texts, FrequencyOptions& options) {
  std::array<int, kFrequencyOptionCount> numbers{};
  for (std::size_t i = 0; i < kFrequencyOptionCount; ++i) {
    const std::optional<int> n = parse_whole_number(texts[i], 0, kLargestOption);
    if (!n) return not_a_number(static_cast<FrequencyOption>(i));
    numbers[i] = *n;
  }
  FrequencyOptions read;
  read.filter = {numbers[slot(FrequencyOption::MinLength)], numbers[slot(FrequencyOption::MaxLength)],
                 numbers[slot(FrequencyOption::MinFrequency)], numbers[slot(FrequencyOption::MaxFrequency)]};
  read.thresholds = {numbers[slot(FrequencyOption::BigramThreshold)],
                     numbers[slot(FrequencyOption::TrigramThreshold)]};
  if (read.filter.min_length > read.filter.max_length)
    return above(FrequencyOption::MinLength, FrequencyOption::MaxLength);
  if (read.filter.min_frequency > read.filter.max_frequency)
    return above(FrequencyOption::MinFrequency, FrequencyOption::MaxFrequency);
  options = read;
  return Status::Ok();
}

std::string word_filter_text(const WordDisplayFilter& f) {
  return "Length >= " + std::to_string(f.min_length) + " and Length <= " + std::to_string(f.max_length) +
         " and Frequency >= " + std::to_string(f.min_frequency) + " and Frequency <= " +
         std::to_string(f.max_frequency);
}

bool word_row_admitted(const ResultRow& row, const WordDisplayFilter& filter) {
  static const std::size_t length = field_position("Length"), frequency = field_position("Frequency");
  if (row.size() <= std::max(length, frequency)) return false;
  return filter.admits(row[length].as_integer(), row[frequency].as_integer());
}

void filter_words(FrequencyResults& results, const WordDisplayFilter& filter) {
  std::erase_if(results.words, [&](const WordCount& w) { return !filter.admits(w.length, w.count); });
}

}  // namespace quilm
