// The dictionary window's lookup of one word, as it runs on each change of
// its box: the Punjabi-English dictionary with its similar-word and root
// fallbacks, over the shipped tables of the ready data folder, for the
// distinct words of the prose text in order (most of which are not
// headwords, so most lookups run every fallback), and for a word that no
// fallback finds.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "bench/bench_corpus.h"
#include "dict/dictionary_lookup.h"
#include "dict/gurmukhi_text.h"
#include "fonts/conversion_context.h"
#include "tables/open_table_file.h"
#include "tables/sqlite_table.h"

namespace quilm {
namespace {

constexpr std::size_t kWords = 1000;

bool gurmukhi_word(BytesView word) { return word.size() >= 3 && static_cast<unsigned char>(word[0]) == 0xE0; }

// The first kWords distinct Gurmukhi words of the prose text, as the
// dictionary tables keep them.
std::vector<Bytes> prose_words(const FontConverter& converter) {
  const Bytes text = bench::read_corpus("QUILM_CORPUS", QUILM_PROSE_CORPUS);
  std::set<Bytes> seen;
  std::vector<Bytes> words;
  std::size_t start = 0;
  while (start < text.size() && words.size() < kWords) {
    std::size_t end = text.find_first_of(" \n\t,.?!\"'()-", start);
    if (end == Bytes::npos) end = text.size();
    const BytesView word(text.data() + start, end - start);
    if (gurmukhi_word(word) && seen.insert(Bytes(word)).second) {
      if (std::optional<Bytes> glyphs = dictionary_bytes_of_utf8(word, converter)) words.push_back(*glyphs);
    }
    start = end + 1;
  }
  if (words.empty()) words.push_back(*dictionary_bytes_of_utf8("ਮੁੰਡੇ", converter));
  return words;
}

struct Tables {
  SqliteTable dictionary, roots;
  Tables() {
    const std::filesystem::path data = QUILM_READY_DATA;
    if (!open_table_file(dictionary, data / "pbi_to_eng.DBF", "SORTWORD") ||
        !open_table_file(roots, data / "wordroot1.DB", "SORTWORD"))
      std::fprintf(stderr, "the dictionary tables of %s cannot be opened\n", QUILM_READY_DATA);
  }
};

void BM_PunjabiLookupOfProseWords(benchmark::State& state) {
  ConversionContext context;
  const FontConverter converter(context);
  Tables tables;
  const std::vector<Bytes> words = prose_words(converter);
  std::size_t next = 0, found = 0;
  for (auto _ : state) {
    const LookupResult result = look_up_punjabi(words[next], tables.dictionary, &tables.roots, converter);
    found += result != LookupResult::Nearest;
    next = (next + 1) % words.size();
  }
  state.counters["words"] = static_cast<double>(words.size());
  state.counters["found_share"] = static_cast<double>(found) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_PunjabiLookupOfProseWords)->Unit(benchmark::kMillisecond);

void BM_PunjabiLookupThatNoFallbackFinds(benchmark::State& state) {
  ConversionContext context;
  const FontConverter converter(context);
  Tables tables;
  const Bytes word = *dictionary_bytes_of_utf8("ਘਙਞਙਘਣੜੇ", converter);
  for (auto _ : state)
    benchmark::DoNotOptimize(look_up_punjabi(word, tables.dictionary, &tables.roots, converter));
}
BENCHMARK(BM_PunjabiLookupThatNoFallbackFinds)->Unit(benchmark::kMillisecond);

void BM_EnglishLookup(benchmark::State& state) {
  SqliteTable dictionary;
  if (!open_table_file(dictionary, std::filesystem::path(QUILM_READY_DATA) / "EngPbi.DBF", "WORD")) return;
  const char* words[] = {"monday", "boy", "country", "window", "zzzz"};
  std::size_t next = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(look_up_english(words[next], dictionary));
    next = (next + 1) % std::size(words);
  }
}
BENCHMARK(BM_EnglishLookup)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quilm

BENCHMARK_MAIN();
