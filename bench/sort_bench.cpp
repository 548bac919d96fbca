// Gurmukhi sorting over the words of the modern prose corpus, one word a
// line as `quilm-cli sort` reads them: reading UTF-8 into the pivot
// encoding, making the collation keys, and ordering the lines by them.
// The whole-process comparison with GNU sort is made by tools/measure_sort.sh.
//
//   quilm_sort_bench [benchmark options]      (corpus: $QUILM_PROSE_CORPUS or the configured one)
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

#include "bench/bench_corpus.h"
#include "common/bytes.h"
#include "fonts/conversion.h"
#include "sort/pivot_text.h"
#include "sort/sort_file.h"
#include "sort/sort_key.h"

namespace quilm {
namespace {

// A million words of the corpus, one a line; generated words without it.
const Bytes& word_lines() {
  static const Bytes lines = [] {
    const Bytes text = bench::read_corpus("QUILM_PROSE_CORPUS", QUILM_PROSE_CORPUS);
    Bytes out;
    std::size_t words = 0;
    for (std::size_t i = 0; i < text.size() && words < 1000000;) {
      const std::size_t end = text.find_first_of(" \n,.;:?!()\"'", i);
      const std::size_t stop = end == Bytes::npos ? text.size() : end;
      if (stop > i) {
        out.append(text, i, stop - i).push_back('\n');
        ++words;
      }
      i = stop + 1;
    }
    if (words == 0)
      for (int n = 0; n < 1000000; ++n) out += std::to_string(n * 7919 % 100003) + "ਕਾਂ\n";
    return out;
  }();
  return lines;
}

void BM_ReadIntoPivot(benchmark::State& state) {
  ConversionContext context;
  const FontConverter converter(context);
  for (auto _ : state) benchmark::DoNotOptimize(utf8_text_as_pivot(word_lines(), converter));
  state.SetBytesProcessed(state.iterations() * static_cast<long>(word_lines().size()));
}
BENCHMARK(BM_ReadIntoPivot)->Unit(benchmark::kMillisecond);

void BM_SortKeys(benchmark::State& state) {
  ConversionContext context;
  const Bytes pivot = *utf8_text_as_pivot(word_lines(), FontConverter(context));
  const std::vector<TextLine> lines = split_lines(pivot);
  Bytes work, key;
  for (auto _ : state) {
    for (const TextLine& line : lines) {
      key.clear();
      append_gurmukhi_sort_key(line.text, work, key);
      benchmark::DoNotOptimize(key.data());
    }
  }
  state.SetItemsProcessed(state.iterations() * static_cast<long>(lines.size()));
}
BENCHMARK(BM_SortKeys)->Unit(benchmark::kMillisecond);

void BM_SortLines(benchmark::State& state) {
  ConversionContext context;
  const Bytes pivot = *utf8_text_as_pivot(word_lines(), FontConverter(context));
  const std::vector<TextLine> lines = split_lines(word_lines()), pivot_lines = split_lines(pivot);
  for (auto _ : state) benchmark::DoNotOptimize(sort_lines_by_pivot(lines, pivot_lines, {}));
  state.SetItemsProcessed(state.iterations() * static_cast<long>(lines.size()));
}
BENCHMARK(BM_SortLines)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quilm

BENCHMARK_MAIN();
