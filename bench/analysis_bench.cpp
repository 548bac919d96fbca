// The frequency analysis over the modern prose corpus (12 MB of UTF-8): the
// counting of words, pairs and triples, and the making of the result rows.
// The whole-process comparison with the Unix pipeline
//   tr -s '[:space:][:punct:]' '\n' | sort | uniq -c | sort -rn
// is made by tools/measure_sort_analysis.sh.
//
//   quilm_analysis_bench [benchmark options]   (corpus: $QUILM_PROSE_CORPUS or the configured one)
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <fstream>
#include <iterator>

#include "analysis/frequency_results.h"
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

}  // namespace
}  // namespace quilm

BENCHMARK_MAIN();
