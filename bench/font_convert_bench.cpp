// The font conversion of a whole document ("Change Font") on the in-memory
// editor, over documents of a growing number of font changes: AnmolLipi
// words, Latin text and Satluj words in turn, a paragraph every ten groups.
// The cost of the editor's edits grows with the document, which the series
// of sizes shows.
#include <benchmark/benchmark.h>

#include "editors/memory_editor.h"
#include "common/quiet_prompter.h"
#include "convert/document_context.h"
#include "convert/change_font.h"

namespace quilm {
namespace {

void append(Editor& editor, const std::u16string& text, const std::string& font) {
  editor.SetSelStart(editor.TextLength());
  editor.SetFontName(font);
  editor.SetSelText(text);
}

void fill(Editor& editor, int groups) {
  for (int i = 0; i < groups; ++i) {
    append(editor, u"pI\\w hY[ ", "AnmolLipi");
    append(editor, u"abc ", "Times New Roman");
    append(editor, u"\u00EA\u00B3\u00DC\u00C5\u00EC ", "Satluj");
    if (i % 10 == 9) append(editor, u"\r", "Times New Roman");
  }
}

void BM_ChangeFontWholeDocument(benchmark::State& state) {
  const FontRegistry fonts;
  QuietPrompter prompter;
  for (auto _ : state) {
    state.PauseTiming();
    MemoryEditor editor;
    fill(editor, static_cast<int>(state.range(0)));
    ConversionContext conversion;
    const FontConverter converter(conversion);
    DocumentContext context{editor, fonts, converter, prompter, {}};
    int last_word_font_index = 0;
    state.ResumeTiming();
    ChangeFont(context, {}, last_word_font_index);
    benchmark::DoNotOptimize(editor.TextLength());
  }
  state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_ChangeFontWholeDocument)->RangeMultiplier(4)->Range(64, 4096)->Complexity()->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quilm

BENCHMARK_MAIN();
