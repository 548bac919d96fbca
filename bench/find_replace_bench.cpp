// Replace All over a long document: about 1 MB of Gurmukhi glyph bytes in
// the pivot font, 100-character paragraphs, with 10,000 occurrences of the
// word looked for, on the in-memory editor (the command-line tool's and the
// core's) and, when built with the program, on the Qt editor. The goal is
// under a second. With similar words the variants are looked for too.
#include <benchmark/benchmark.h>

#include <string>

#include "dict/find_replace.h"
#include "editors/memory_editor.h"
#ifdef QUILM_BENCH_QT
#include <QApplication>
#include <QTextEdit>

#include "editors/ui/qt_editor.h"
#endif

namespace quilm {
namespace {

constexpr const char* kPivotFont = "GurmukhiLys 020";
constexpr int kDocumentChars = 1'000'000, kMatches = 10'000;

// Paragraphs of 99 characters and a break; each of the first 10,000 starts
// with the word `eo` (ਕਰ), then other words fill it.
std::u16string long_text() {
  const std::u16string filler = u"pMjwb dI bolI ";  // other words
  std::u16string text;
  int placed = 0;
  while (static_cast<int>(text.size()) < kDocumentChars) {
    std::u16string paragraph = placed < kMatches ? u"eo " : u"";
    placed += placed < kMatches ? 1 : 0;
    while (paragraph.size() < 99) paragraph += filler;
    paragraph.resize(99);
    text += paragraph;
    text += u'\r';
  }
  return text;
}

template <typename MakeEditor>
void replace_all(benchmark::State& state, MakeEditor make_editor, bool similar) {
  const std::u16string text = long_text();
  const FontRegistry registry;
  ConversionContext context;
  const FontConverter converter(context);
  int replaced = 0;
  for (auto _ : state) {
    state.PauseTiming();
    auto holder = make_editor();
    Editor& editor = holder->editor();
    editor.SetFontName(kPivotFont);
    editor.SetSelText(text);
    editor.SetSelStart(0);
    FindReplace finder(editor, registry, converter);
    FindOptions options;
    options.similar_words = similar;
    options.whole_words = true;
    finder.SetSearch({u"eo", kPivotFont}, {u"GoI", kPivotFont}, options);
    state.ResumeTiming();
    replaced = finder.ReplaceAll();
  }
  state.counters["replaced"] = replaced;
  state.counters["chars"] = static_cast<double>(text.size());
  if (replaced != kMatches) state.SkipWithError("not every occurrence was replaced");
}

struct MemoryHolder {
  MemoryEditor memory;
  Editor& editor() { return memory; }
};

void BM_ReplaceAllOnTheMemoryEditor(benchmark::State& state) {
  replace_all(state, [] { return std::make_unique<MemoryHolder>(); }, state.range(0) != 0);
}
BENCHMARK(BM_ReplaceAllOnTheMemoryEditor)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(3);

#ifdef QUILM_BENCH_QT
struct QtHolder {
  QTextEdit widget;
  QtEditor qt{&widget};
  Editor& editor() { return qt; }
};

void BM_ReplaceAllOnTheQtEditor(benchmark::State& state) {
  replace_all(state, [] { return std::make_unique<QtHolder>(); }, false);
}
BENCHMARK(BM_ReplaceAllOnTheQtEditor)->Unit(benchmark::kMillisecond)->Iterations(1);
#endif

}  // namespace
}  // namespace quilm

int main(int argc, char** argv) {
#ifdef QUILM_BENCH_QT
  qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
  QApplication app(argc, argv);
#endif
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
