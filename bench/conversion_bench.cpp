// Throughput of conversion over a few megabytes of real AnmolLipi text: the
// AnmolLipi reader, the Satluj writer, font-to-font conversion through the
// driver, and AnmolLipi to and from Unicode as the export and import convert
// it, each line by line as the tools call them.
//
// Rates are those Google Benchmark prints: "M/s" is MiB (2^20 bytes) a second.
//
//   quilm_conversion_bench [--corpus=FILE] [benchmark options]
// The corpus is FILE, else $QUILM_CORPUS, else the configured default;
// without any of them the text is generated.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "bench/bench_corpus.h"
#include "common/bytes.h"
#include "fonts/text_conversion.h"
#include "encoding/export_preparation.h"
#include "encoding/unicode_output.h"
#include "fonts/conversion.h"
#include "fonts/reader.h"
#include "fonts/writer.h"

namespace quilm {
namespace {

std::string g_corpus_path = QUILM_ANMOLLIPI_CORPUS;
constexpr int kAnmolLipi = 2;

// About 4 MB of AnmolLipi lines built from a few verses.
Bytes generated_text() {
  const char* const verses[] = {
      "<> siq nwmu krqw purKu inrBau inrvYru; Akwl mUriq AjUnI sYBM gur pRswid ]\n",
      "jpu ] Awid scu jugwid scu ] hY BI scu nwnk hosI BI scu ]1]\n",
      "socY soic n hoveI jy socI lK vwr ] cupY cup n hoveI jy lwie rhw ilv qwr ]\n",
      "BuiKAw BuK n auqrI jy bMnw purIAw Bwr ] shs isAwxpw lK hoih q iek n clY nwil ]\n",
  };
  Bytes text;
  for (int i = 0; text.size() < (4u << 20); ++i) text += verses[i % 4];
  return text;
}

Bytes load_corpus() {
  std::ifstream in(g_corpus_path, std::ios::binary);
  if (!in) return generated_text();
  return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

using bench::split_lines;

struct Corpus {
  Bytes anmollipi = load_corpus();
  std::vector<BytesView> lines = split_lines(anmollipi);
  Bytes pivot;
  std::vector<BytesView> pivot_lines;
  std::vector<Bytes> pivot_words;     // each word of the text read into the pivot encoding
  std::vector<Bytes> prepared_words;  // and prepared for export
  std::vector<std::u16string> unicode_lines;

  Corpus() {
    const ReaderTable& reader = *find_reader("anmollipi_to_gur");
    for (BytesView line : lines) (pivot += read_into_pivot(reader, line)) += '\n';
    pivot_lines = split_lines(pivot);
    ConversionContext context;
    const FontConverter converter(context);
    for (BytesView line : lines)
      unicode_lines.push_back(legacy_text_to_unicode(line, kAnmolLipi, converter, UnicodeScript::Gurmukhi));
    for (BytesView line : pivot_lines)
      for (std::size_t start = 0; start < line.size();) {
        std::size_t end = line.find(' ', start);
        if (end == BytesView::npos) end = line.size();
        if (end > start) pivot_words.emplace_back(line.substr(start, end - start));
        start = end + 1;
      }
    for (const Bytes& word : pivot_words) prepared_words.push_back(prepare_for_export(word));
  }
};

const Corpus& corpus() {
  static const Corpus c;
  return c;
}

std::int64_t total_bytes(const std::vector<BytesView>& lines) {
  std::int64_t n = 0;
  for (BytesView line : lines) n += static_cast<std::int64_t>(line.size());
  return n;
}

void BM_ReaderAnmolLipi(benchmark::State& state) {
  const Corpus& c = corpus();
  const ReaderTable& reader = *find_reader("anmollipi_to_gur");
  for (auto _ : state)
    for (BytesView line : c.lines) benchmark::DoNotOptimize(read_into_pivot(reader, line));
  state.SetBytesProcessed(state.iterations() * total_bytes(c.lines));
}
BENCHMARK(BM_ReaderAnmolLipi)->Unit(benchmark::kMillisecond);

void BM_WriterSatluj(benchmark::State& state) {
  const Corpus& c = corpus();
  const WriterTable& writer = *find_writer("gur_to_satluj");
  ConversionContext context;
  for (auto _ : state)
    for (BytesView line : c.pivot_lines) benchmark::DoNotOptimize(write_from_pivot(writer, line, context));
  state.SetBytesProcessed(state.iterations() * total_bytes(c.pivot_lines));
}
BENCHMARK(BM_WriterSatluj)->Unit(benchmark::kMillisecond);

// AnmolLipi (2) to Satluj (22), with and without Format_for_Gurmukhi.
void BM_ConversionAnmolLipiToSatluj(benchmark::State& state) {
  const Corpus& c = corpus();
  const bool format = state.range(0) != 0;
  ConversionContext context;
  const FontConverter converter(context);
  for (auto _ : state)
    for (BytesView line : c.lines) benchmark::DoNotOptimize(converter.conversion(line, 2, 22, format));
  state.SetBytesProcessed(state.iterations() * total_bytes(c.lines));
}
BENCHMARK(BM_ConversionAnmolLipiToSatluj)->Arg(0)->Arg(1)->ArgName("format")->Unit(benchmark::kMillisecond);

// AnmolLipi into Unicode, word by word through the pivot encoding, as the
// Unicode export writes it; the rate is of the AnmolLipi input.
void BM_AnmolLipiToUnicode(benchmark::State& state) {
  const Corpus& c = corpus();
  ConversionContext context;
  const FontConverter converter(context);
  for (auto _ : state)
    for (BytesView line : c.lines)
      benchmark::DoNotOptimize(legacy_text_to_unicode(line, kAnmolLipi, converter, UnicodeScript::Gurmukhi));
  state.SetBytesProcessed(state.iterations() * total_bytes(c.lines));
}
BENCHMARK(BM_AnmolLipiToUnicode)->Unit(benchmark::kMillisecond);

// Unicode back into AnmolLipi, as the Unicode import reads it; the rate is of
// the AnmolLipi text produced, so that both directions compare.
void BM_UnicodeToAnmolLipi(benchmark::State& state) {
  const Corpus& c = corpus();
  ConversionContext context;
  const FontConverter converter(context);
  for (auto _ : state)
    for (const std::u16string& line : c.unicode_lines)
      benchmark::DoNotOptimize(unicode_text_to_legacy(line, kAnmolLipi, converter));
  state.SetBytesProcessed(state.iterations() * total_bytes(c.lines));
}
BENCHMARK(BM_UnicodeToAnmolLipi)->Unit(benchmark::kMillisecond);

std::int64_t total_bytes(const std::vector<Bytes>& words) {
  std::int64_t n = 0;
  for (const Bytes& word : words) n += static_cast<std::int64_t>(word.size());
  return n;
}

// The two steps of the pivot-to-Unicode conversion alone, word by word.
void BM_ExportPreparation(benchmark::State& state) {
  const Corpus& c = corpus();
  Bytes word;
  for (auto _ : state)
    for (const Bytes& w : c.pivot_words) {
      word = w;
      prepare_for_export_in_place(word);
      benchmark::DoNotOptimize(word);
    }
  state.SetBytesProcessed(state.iterations() * total_bytes(c.pivot_words));
}
BENCHMARK(BM_ExportPreparation)->Unit(benchmark::kMillisecond);

void BM_UnicodeOutputRules(benchmark::State& state) {
  const Corpus& c = corpus();
  std::u16string out;
  for (auto _ : state) {
    out.clear();
    for (const Bytes& w : c.prepared_words) write_prepared_as_unicode(w, out);
    benchmark::DoNotOptimize(out);
  }
  state.SetBytesProcessed(state.iterations() * total_bytes(c.prepared_words));
}
BENCHMARK(BM_UnicodeOutputRules)->Unit(benchmark::kMillisecond);

// The whole text in one call: the engines without per-line overhead.
void BM_ReaderAnmolLipiWholeText(benchmark::State& state) {
  const Corpus& c = corpus();
  const ReaderTable& reader = *find_reader("anmollipi_to_gur");
  for (auto _ : state) benchmark::DoNotOptimize(read_into_pivot(reader, c.anmollipi));
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(c.anmollipi.size()));
}
BENCHMARK(BM_ReaderAnmolLipiWholeText)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quilm

int main(int argc, char** argv) { return quilm::bench::run_with_corpus(argc, argv, quilm::g_corpus_path); }
