// The font conversion of a whole document ("Change Font") on the in-memory
// editor, over documents of a growing number of font changes: AnmolLipi
// words, Latin text and Satluj words in turn, a paragraph every ten groups.
// The conversion builds the new document in one pass, so its cost grows
// in step with the number of groups, which the series of sizes shows
// (4,096 to 65,536 groups).
#include <benchmark/benchmark.h>

#include "editors/memory_editor.h"
#include "common/quiet_prompter.h"
#include "convert/document_context.h"
#include "convert/change_font.h"

namespace quilm {
namespace {

CharFormat in_font(const char* font) {
  CharFormat format;
  format.font_name = font;
  return format;
}

// The document is put in as two changes (its text, then its fonts), so
// that filling it costs no more than the conversion measured.
void fill(Editor& editor, int groups) {
  std::vector<TextRun> runs;
  for (int i = 0; i < groups; ++i) {
    runs.push_back({u"pI\\w hY[ ", in_font("AnmolLipi")});
    runs.push_back({u"abc ", in_font("Times New Roman")});
    runs.push_back({u"\u00EA\u00B3\u00DC\u00C5\u00EC ", in_font("Satluj")});
    if (i % 10 == 9) runs.push_back({std::u16string(1, kParagraphBreak), in_font("Times New Roman")});
  }
  editor.SetSelText(text_of(runs));
  editor.ReplaceRuns(0, editor.TextLength(), std::move(runs));
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
BENCHMARK(BM_ChangeFontWholeDocument)->RangeMultiplier(4)->Range(4096, 65536)->Complexity()->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quilm

BENCHMARK_MAIN();
