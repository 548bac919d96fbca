// Opening a long RTF document in the Qt editor, as File > Open does: a
// teacher's file of thousands of short paragraphs, each with an English word
// in Arial and Gurmukhi words in AnmolLipi, some bold. The time is the
// editor's: reading the RTF is a small part of it.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTextEdit>
#include <filesystem>
#include <string>

#include "common/file_io.h"

#include "editors/memory_editor.h"
#include "editors/ui/qt_editor.h"
#include "formats/document_format.h"

namespace quilm {
namespace {

Bytes long_rtf(int paragraphs) {
  MemoryEditor editor;
  for (int i = 0; i < paragraphs; ++i) {
    editor.SetSelStart(editor.TextLength());
    editor.SetFontName("Arial");
    editor.SetFontBold(i % 3 == 0);
    editor.SetSelText(u"Lesson " + std::u16string(1, static_cast<char16_t>(u'0' + i % 10)) + u": ");
    editor.SetFontName("AnmolLipi");
    editor.SetFontBold(false);
    editor.SetSelText(u"siq nwmu krqw purKu inrBau inrvYru Akwl mUriq AjUnI sYBM gur pRswid ]\r");
  }
  Bytes rtf;
  editor.SaveToMemory(FormatCode::Rtf, rtf);
  return rtf;
}

void BM_QtEditorOpensALongRtf(benchmark::State& state) {
  const Bytes rtf = long_rtf(static_cast<int>(state.range(0)));
  const std::filesystem::path file = std::filesystem::temp_directory_path() / "quilm_editor_open_bench.rtf";
  if (!write_file_atomically(file, rtf)) {
    state.SkipWithError("cannot write the document");
    return;
  }
  QTextEdit widget;
  QtEditor editor(&widget);
  widget.resize(800, 600);
  widget.show();
  for (auto _ : state) {
    benchmark::DoNotOptimize(editor.LoadFile(file, FormatCode::Rtf));
    QApplication::processEvents();  // the layout and paint that follow
  }
  state.counters["rtf_bytes"] = static_cast<double>(rtf.size());
  std::filesystem::remove(file);
}
BENCHMARK(BM_QtEditorOpensALongRtf)->Arg(1000)->Arg(5000)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
}  // namespace quilm

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
