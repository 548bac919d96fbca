// Roman to Gurmukhi: the rules alone, and the whole conversion of Roman
// text once the ready data folder of the build is loaded (dictionary
// lookup, ranking in context, rules and generation for unknown words).
// The texts are the Roman spellings of the evaluation set's sentences and
// of its single words.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "common/file_io.h"
#include "roman/roman_data.h"
#include "roman/roman_rules.h"
#include "roman/roman_text.h"

namespace quilm {
namespace {

const std::filesystem::path kData = QUILM_READY_DATA;

const RomanData& loaded() {
  static const std::unique_ptr<RomanData> data = [] {
    auto d = std::make_unique<RomanData>();
    std::vector<std::string> warnings;
    if (Status s = load_roman_data(kData, d.get(), &warnings); !s) std::fprintf(stderr, "%s\n", s.message().c_str());
    return d;
  }();
  return *data;
}

// The Roman words of one column of an evaluation file.
std::vector<std::string> roman_words(const char* file, bool second_column) {
  std::vector<std::string> out;
  const std::optional<Bytes> text = read_file(file);
  std::istringstream lines(text.value_or(""));
  for (std::string line; std::getline(lines, line);) {
    if (line.empty() || line[0] == '#' || line[0] == '@') continue;
    const std::size_t tab = line.find('\t');
    std::istringstream roman(second_column ? line.substr(tab + 1) : line.substr(0, tab));
    for (std::string w; roman >> w;) out.push_back(w);
  }
  return out;
}

// Sentences of everyday Punjabi: words the dictionary holds.
const std::vector<std::string>& prose_words() {
  static const std::vector<std::string> words = roman_words(QUILM_ROMAN_EVAL "/phrases.txt", false);
  return words;
}

// Single words of every kind, names and loanwords the dictionary lacks among them.
const std::vector<std::string>& mixed_words() {
  static const std::vector<std::string> words = roman_words(QUILM_ROMAN_EVAL "/words.txt", true);
  return words;
}

void convert_words(benchmark::State& state, const std::vector<std::string>& words) {
  const RomanData& data = loaded();
  std::string text;
  for (const std::string& w : words) text += w + ' ';
  for (auto _ : state) {
    RomanWordContext context;
    std::size_t count = 0;
    convert_roman_text(data, text, context, [&](const RomanPiece& p) { count += !p.roman.empty(); });
    benchmark::DoNotOptimize(count);
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * words.size()));
}

void BM_RulesPerWord(benchmark::State& state) {
  const std::vector<std::string>& words = mixed_words();
  for (auto _ : state) {
    for (const std::string& w : words) benchmark::DoNotOptimize(spell_roman_by_rules(w, RomanEngine::Full));
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * words.size()));
}
BENCHMARK(BM_RulesPerWord);

void BM_ConvertProse(benchmark::State& state) { convert_words(state, prose_words()); }
BENCHMARK(BM_ConvertProse)->Unit(benchmark::kMillisecond);

void BM_ConvertMixedWords(benchmark::State& state) { convert_words(state, mixed_words()); }
BENCHMARK(BM_ConvertMixedWords)->Unit(benchmark::kMillisecond);

void BM_LoadData(benchmark::State& state) {
  for (auto _ : state) {
    RomanData data;
    std::vector<std::string> warnings;
    benchmark::DoNotOptimize(load_roman_data(kData, &data, &warnings));
  }
}
BENCHMARK(BM_LoadData)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
}  // namespace quilm

BENCHMARK_MAIN();
