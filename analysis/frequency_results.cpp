#include "analysis/frequency_results.h"

#include <algorithm>
#include <cstdio>
#include <map>

#include "sort/sort_key.h"

namespace quilm {
namespace {

std::string format_fixed(double value) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%f", value);  // the program never changes LC_NUMERIC
  return buffer;
}

void add_words(const FrequencyCount& count, FrequencyResults& r) {
  r.words = count.words();
  std::sort(r.words.begin(), r.words.end(), [](const WordCount& a, const WordCount& b) { return a.key < b.key; });
  for (const WordCount& w : r.words) {
    r.lengths[std::min<std::size_t>(static_cast<std::size_t>(w.length), kLengthSlots - 1)] += w.count;
    r.total_characters += static_cast<std::int64_t>(w.word.size()) * w.count;
  }
}

// Characters of the same key share a row (two glyph codes of one letter);
// characters without a key (hyphen, nukta) keep rows of their own.
void add_characters(const FrequencyResults& r, const TextReading& reading, const WordForms& forms,
                    FrequencyResults& out) {
  std::map<Bytes, std::int64_t> by_character;
  for (const WordCount& w : r.words)
    for (std::size_t i = 0; i < w.word.size();) {
      const std::size_t n = character_length(w.word, i, reading.kind);
      by_character[w.word.substr(i, n)] += w.count;
      i += n;
    }
  std::map<std::pair<Bytes, Bytes>, CharacterCount> rows;  // by key, then by the character for empty keys
  Bytes pivot, work;
  for (const auto& [character, frequency] : by_character) {
    forms.pivot(character, pivot);
    Bytes key;
    if (forms.english()) key = pivot;
    else append_gurmukhi_sort_key(pivot, work, key);
    CharacterCount& row = rows[{key, key.empty() ? character : Bytes()}];
    if (row.frequency == 0) row = {character, key, 0};
    row.frequency += frequency;
  }
  for (auto& [order, row] : rows) out.characters.push_back(std::move(row));
}

void add_pairs(const FrequencyCount& count, std::int64_t threshold, FrequencyResults& r) {
  const auto& s = count.spellings();
  const auto key_of = [&](std::uint32_t spelling) -> const Bytes& { return count.words()[s[spelling].word].key; };
  std::vector<std::pair<Bytes, PairCount>> rows;
  for (const auto& [ids, n] : count.pairs()) {
    if (n <= threshold) continue;
    const auto p = static_cast<std::uint32_t>(ids >> 32), w = static_cast<std::uint32_t>(ids);
    rows.push_back({s[p].text + ' ' + s[w].text, {n, s[w].text, s[p].text, key_of(w), key_of(p)}});
  }
  std::sort(rows.begin(), rows.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
  for (auto& row : rows) r.pairs.push_back(std::move(row.second));
}

void add_triples(const FrequencyCount& count, std::int64_t threshold, FrequencyResults& r) {
  const auto& s = count.spellings();
  const auto key_of = [&](std::uint32_t spelling) -> const Bytes& { return count.words()[s[spelling].word].key; };
  std::vector<std::pair<Bytes, TripleCount>> rows;
  for (const auto& [t, n] : count.triples()) {
    if (n <= threshold) continue;
    rows.push_back({s[t.first].text + ' ' + s[t.second].text + ' ' + s[t.third].text,
                    {n, s[t.third].text, s[t.second].text, s[t.first].text, key_of(t.third), key_of(t.second),
                     key_of(t.first)}});
  }
  std::sort(rows.begin(), rows.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
  for (auto& row : rows) r.triples.push_back(std::move(row.second));
}

void add_positions(const FrequencyCount& count, FrequencyResults& r) {
  r.positions.reserve(count.positions().size());
  for (const WordPosition& p : count.positions())
    r.positions.push_back({count.spellings()[p.spelling].text, p.position, p.occurrence});
}

void add_stats(const FrequencyCount& count, const StatsHeader& header, FrequencyResults& r) {
  const std::int64_t total = count.total_words();
  std::int64_t length_sum = 0;
  for (std::size_t k = 0; k < kLengthSlots; ++k) length_sum += static_cast<std::int64_t>(k) * r.lengths[k];
  auto& s = r.stats;
  s[0] = header.first_file;
  s[1] = std::to_string(total);
  s[2] = std::to_string(count.words().size());
  s[3] = format_fixed(total == 0 ? 0.0 : static_cast<double>(count.words().size()) / static_cast<double>(total));
  s[4] = format_fixed(total == 0 ? 0.0 : static_cast<double>(length_sum) / static_cast<double>(total));
  s[5] = std::to_string(r.pairs.size());
  s[6] = std::to_string(r.triples.size());
  for (std::size_t k = 1; k < kLengthSlots; ++k)
    s[6 + k] = std::to_string(r.lengths[k]) + "  (" + percentage_text(r.lengths[k], total) + "%)";
  s[33] = header.language;
  s[34] = header.font_name;
  s[35] = std::to_string(r.lengths[0]) + "  (" + percentage_text(r.lengths[0], total) + "%)";
}

}  // namespace

AnalysisThresholds thresholds_for_analysis(AnalysisThresholds t, std::int64_t total_words) {
  if (total_words > kLargeAnalysisWords) {
    t.bigram = std::max<std::int64_t>(t.bigram, 1);
    t.trigram = std::max<std::int64_t>(t.trigram, 1);
  }
  return t;
}

const std::array<const char*, kStatsRows>& stats_labels() {
  static const std::array<const char*, kStatsRows> labels = {
      "File Name", "Total Words", "Distinct Words", "Distinct Words / Total Words", "Average Word Length",
      "Word Pairs", "Word Triples", "Words of Length 1", "Words of Length 2", "Words of Length 3",
      "Words of Length 4", "Words of Length 5", "Words of Length 6", "Words of Length 7", "Words of Length 8",
      "Words of Length 9", "Words of Length 10", "Words of Length 11", "Words of Length 12",
      "Words of Length 13", "Words of Length 14", "Words of Length 15", "Words of Length 16",
      "Words of Length 17", "Words of Length 18", "Words of Length 19", "Words of Length 20",
      "Words of Length 21", "Words of Length 22", "Words of Length 23", "Words of Length 24",
      "Words of Length 25", "Words of Length 26 or more", "Language", "Font", "Words of Length 0"};
  return labels;
}

std::string percentage_text(std::int64_t part, std::int64_t whole) {
  return format_fixed(whole == 0 ? 0.0 : static_cast<double>(part) / static_cast<double>(whole) * 100.0);
}

FrequencyResults summarise(const FrequencyCount& count, const TextReading& reading, const WordForms& forms,
                           AnalysisThresholds thresholds, const StatsHeader& header) {
  FrequencyResults r;
  r.total_words = count.total_words();
  const AnalysisThresholds t = thresholds_for_analysis(thresholds, r.total_words);
  add_words(count, r);
  add_characters(r, reading, forms, r);
  add_pairs(count, t.bigram, r);
  add_triples(count, t.trigram, r);
  if (count.keeps_positions()) add_positions(count, r);
  add_stats(count, header, r);
  return r;
}

}  // namespace quilm
