// The spelling checker's speed: loading the main word list, checking the
// words of a text once the collections are loaded, and suggestions for
// misspelt words. Reads the ready data folder of the build; the text is
// the development corpus when present, else the word list's own words.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <vector>

#include "bench/bench_corpus.h"
#include "common/file_io.h"
#include "encoding/utf16.h"
#include "fonts/conversion.h"
#include "spell/spell_data.h"
#include "spell/suggestion_round.h"
#include "spell/unicode_words.h"
#include "spell/word_checker.h"
#include "spell/word_list_files.h"

namespace quilm {
namespace {

const std::filesystem::path kData = QUILM_READY_DATA;

SpellData& loaded() {
  static SpellData data = [] {
    SpellData d;
    std::vector<std::string> warnings;
    const Status st = load_spell_data(kData, "Extra.dic", &d, &warnings);
    if (!st) std::fprintf(stderr, "%s\n", st.message().c_str());
    // The suggestion indexes are built on the first suggestion; built here,
    // BM_BuildSuggestionIndexes measures them.
    d.lexicon.punjabi_neighbours();
    d.lexicon.punjabi_letter_drops();
    return d;
  }();
  return data;
}

// Words of the corpus (up to a million), or of the list itself.
const std::vector<std::u16string>& text_words() {
  static const std::vector<std::u16string> words = [] {
    std::vector<std::u16string> out;
    const Bytes corpus = bench::read_corpus("QUILM_PROSE_CORPUS", QUILM_PROSE_CORPUS, "the word list's own words");
    const std::optional<std::u16string> text = corpus.empty() ? std::nullopt : from_utf8(corpus);
    if (text) {
      for (const UnicodeWord& w : unicode_words(*text)) {
        if (w.kind == UnicodeWord::Kind::Gurmukhi) out.emplace_back(text->substr(w.start, w.length));
        if (out.size() >= 1000000) break;
      }
    }
    return out;
  }();
  return words;
}

void BM_LoadMainList(benchmark::State& state) {
  const std::optional<Bytes> text = read_file(kData / "WList.txt");
  if (!text) {
    state.SkipWithError("no WList.txt in the ready data folder");
    return;
  }
  for (auto _ : state) {
    std::optional<Bytes> again = read_file(kData / "WList.txt");
    WordSections words;
    benchmark::DoNotOptimize(parse_main_word_list(*again, &words));
  }
}
BENCHMARK(BM_LoadMainList)->Unit(benchmark::kMillisecond);

void BM_CheckWords(benchmark::State& state) {
  ConversionContext context;
  const FontConverter converter(context);
  WordChecker checker(loaded().lexicon, converter);
  const std::vector<std::u16string>& words = text_words();
  if (words.empty()) {
    state.SkipWithError("no corpus text");
    return;
  }
  std::size_t unknown = 0;
  for (auto _ : state) {
    for (const std::u16string& w : words) unknown += !checker.check_unicode_word(w).known;
  }
  state.counters["words/s"] = benchmark::Counter(static_cast<double>(words.size()), benchmark::Counter::kIsIterationInvariantRate);
  state.counters["unknown"] = static_cast<double>(unknown) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_CheckWords)->Unit(benchmark::kMillisecond);

// Misspellings: list words of 4 to 12 bytes with one byte dropped.
void BM_Suggest(benchmark::State& state) {
  const SpellData& data = loaded();
  std::vector<Bytes> misspelt;
  for (int s = 4; s <= 12; ++s) {
    const std::vector<Bytes>& section = data.lexicon.main_list().section(s);
    for (std::size_t i = 0; i < section.size() && misspelt.size() < static_cast<std::size_t>(40 * (s - 3)); i += 97)
      misspelt.push_back(section[i].substr(0, s / 2) + section[i].substr(s / 2 + 1));
  }
  if (misspelt.empty()) {
    state.SkipWithError("empty word list");
    return;
  }
  for (auto _ : state) {
    for (const Bytes& w : misspelt) benchmark::DoNotOptimize(punjabi_suggestions(data.lexicon, data.frequencies, w));
  }
  state.counters["words/s"] = benchmark::Counter(static_cast<double>(misspelt.size()), benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_Suggest)->Unit(benchmark::kMillisecond);

// What the first suggestion of a run waits for: the one-byte neighbours and
// the letters-dropped index of the main list.
void BM_BuildSuggestionIndexes(benchmark::State& state) {
  const WordSections& words = loaded().lexicon.main_list();
  for (auto _ : state) {
    SpellLexicon lexicon;
    lexicon.set_main_list(words);
    benchmark::DoNotOptimize(&lexicon.punjabi_neighbours());
    benchmark::DoNotOptimize(&lexicon.punjabi_letter_drops());
  }
}
BENCHMARK(BM_BuildSuggestionIndexes)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quilm

BENCHMARK_MAIN();
