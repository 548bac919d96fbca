// Throughput of the transliteration over the AnmolLipi scripture corpus:
// Gurmukhi to Roman line by line as the window and `quilm-cli translit`
// run it (rules only), and the Devanagari font output with its Chanakya
// recoding. "M/s" is MiB of input a second.
//
//   quilm_translit_bench [--corpus=FILE] [benchmark options]
#include <benchmark/benchmark.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "bench/bench_corpus.h"
#include "fonts/conversion.h"
#include "fonts/conversion_context.h"
#include "fonts/font_index.h"
#include "translit/devanagari_fonts.h"
#include "translit/kruti_to_chankya.h"
#include "translit/roman_text.h"

namespace quilm {
namespace {

std::string g_corpus_path = QUILM_ANMOLLIPI_CORPUS;
constexpr int kAnmolLipi = 2;

Bytes load_corpus() {
  std::ifstream in(g_corpus_path, std::ios::binary);
  if (in) return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  Bytes text;
  while (text.size() < (2u << 20)) text += "<> siq nwmu krqw purKu inrBau inrvYru; Akwl mUriq AjUnI sYBM gur pRswid ]\n";
  return text;
}

struct Corpus {
  Bytes text = load_corpus();
  std::vector<BytesView> lines = bench::split_lines(text);
};
const Corpus& corpus() {
  static const Corpus c;
  return c;
}

void BM_RomanOfAnmolLipiLines(benchmark::State& state) {
  const Corpus& c = corpus();
  ConversionContext context;
  const FontConverter converter(context);
  const RomanTextTools tools{converter, nullptr, nullptr};
  std::string roman;
  for (auto _ : state) {
    for (BytesView line : c.lines) {
      roman.clear();
      append_roman_of_font_text(line, kAnmolLipi, tools, roman);
      benchmark::DoNotOptimize(roman.data());
    }
  }
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(c.text.size()));
}
BENCHMARK(BM_RomanOfAnmolLipiLines)->Unit(benchmark::kMillisecond);

void BM_ChanakyaOfAnmolLipiLines(benchmark::State& state) {
  const Corpus& c = corpus();
  ConversionContext context;
  const FontConverter converter(context);
  for (auto _ : state) {
    for (BytesView line : c.lines) {
      const Bytes pivot = converter.conversion(line, kAnmolLipi, font_index::kPivot, true);
      benchmark::DoNotOptimize(pivot_to_devanagari_font(pivot, DevanagariFont::Chanakya, converter));
    }
  }
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(c.text.size()));
}
BENCHMARK(BM_ChanakyaOfAnmolLipiLines)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quilm

int main(int argc, char** argv) { return quilm::bench::run_with_corpus(argc, argv, quilm::g_corpus_path); }
