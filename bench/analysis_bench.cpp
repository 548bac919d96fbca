// The frequency analysis over the modern prose corpus (12 MB of UTF-8): the
// counting of words, pairs and triples, and the making of the result rows;
// and the writing of the six result tables of its first megabyte (about
// 87000 words: every pair, triple and position is written), which takes
// the analysis window's worker longer than the counting.
// The whole-process comparison with the Unix pipeline
//   tr -s '[:space:][:punct:]' '\n' | sort | uniq -c | sort -rn
// is made by tools/measure_sort_analysis.sh.
//
//   quilm_analysis_bench [benchmark options]   (corpus: $QUILM_PROSE_CORPUS or the configured one)
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "analysis/frequency_results.h"
#include "analysis/result_tables.h"
#include "bench/bench_corpus.h"
#include "analysis/text_words.h"
#include "common/bytes.h"
#include "fonts/conversion.h"

namespace quilm {
namespace {

const Bytes& prose() {
  static const Bytes text = [] {
    Bytes t = bench::read_corpus("QUILM_PROSE_CORPUS", QUILM_PROSE_CORPUS);
    if (t.empty())
      for (int n = 0; n < 200000; ++n) t += "ਇਹ ਘਰ ਵੱਡਾ ਹੈ " + std::to_string(n % 977) + "\n";
    return t;
  }();
  return text;
}

// Counts the corpus once a run; `then` sees the count.
template <typename Then>
void count_prose(benchmark::State& state, Then then) {
  ConversionContext context;
  const FontConverter converter(context);
  const TextReading reading;
  const auto forms = make_word_forms(reading, converter);
  for (auto _ : state) {
    FrequencyCount count(false);
    count_words(prose(), reading, *forms, count);
    then(count, reading, *forms);
  }
  state.SetBytesProcessed(state.iterations() * static_cast<long>(prose().size()));
}

void BM_CountWords(benchmark::State& state) {
  count_prose(state, [](const FrequencyCount& count, const TextReading&, const WordForms&) {
    benchmark::DoNotOptimize(count.total_words());
  });
}
BENCHMARK(BM_CountWords)->Unit(benchmark::kMillisecond);

void BM_CountAndSummarise(benchmark::State& state) {
  count_prose(state, [](const FrequencyCount& count, const TextReading& reading, const WordForms& forms) {
    benchmark::DoNotOptimize(summarise(count, reading, forms, {}, {}).pairs.size());
  });
}
BENCHMARK(BM_CountAndSummarise)->Unit(benchmark::kMillisecond);

// The first megabyte of the corpus, cut at a line's end.
BytesView first_megabyte() {
  const BytesView text = prose();
  const std::size_t end = text.size() <= (1u << 20) ? text.size() : text.rfind('\n', 1u << 20) + 1;
  return text.substr(0, end);
}

void BM_WriteResultTables(benchmark::State& state) {
  ConversionContext context;
  const FontConverter converter(context);
  const TextReading reading;
  const auto forms = make_word_forms(reading, converter);
  FrequencyCount count(true);
  count_words(first_megabyte(), reading, *forms, count);
  const FrequencyResults results = summarise(count, reading, *forms, {}, {});
  const std::vector<ResultTable> all(kResultTables.begin(), kResultTables.end());
  const std::filesystem::path folder =
      std::filesystem::temp_directory_path() / ("quilm-analysis-tables-" + std::to_string(::getpid()));
  std::filesystem::create_directories(folder);
  for (auto _ : state)
    if (!write_result_tables(results, all, std::filesystem::path(QUILM_READY_DATA) / "Dict", folder).ok())
      state.SkipWithError("the tables cannot be written");
  state.counters["rows"] = static_cast<double>(results.words.size() + results.pairs.size() + results.triples.size() +
                                               results.positions.size());
  std::filesystem::remove_all(folder);
}
BENCHMARK(BM_WriteResultTables)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

}  // namespace
}  // namespace quilm

BENCHMARK_MAIN();
