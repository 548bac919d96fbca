// The "Frequency Analysis" window from "Browse..." to filled grids on about
// 1 MB of text: the file chosen, the analysis run on the window's worker,
// the grids and the charts filled and drawn. The tables, which the worker
// writes behind the filled grids, are waited for outside the timing. Runs offscreen; the text is the first megabyte of
// the prose corpus (or generated Gurmukhi when the corpus is absent).
#include <QApplication>
#include <QSignalSpy>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <unistd.h>

#include "analysis/ui/freq_sel.h"
#include "analysis/ui/result_table_model.h"
#include "bench/bench_corpus.h"
#include "common/file_io.h"
#include "common/quiet_prompter.h"
#include "editors/memory_editor.h"

namespace quilm::bench {
namespace {

namespace fs = std::filesystem;

constexpr std::size_t kDocumentBytes = 1 << 20;
std::string corpus_path = QUILM_PROSE_CORPUS;

class ChosenFile : public FileDialogs {
 public:
  explicit ChosenFile(fs::path path) : path_(std::move(path)) {}
  std::optional<FileChoice> open(const FileDialogRequest&) override { return FileChoice{path_, 2}; }
  std::optional<FileChoice> save(const FileDialogRequest&) override { return std::nullopt; }

 private:
  fs::path path_;
};

// About a megabyte of text cut at a line's end.
Bytes document_text() {
  Bytes text;
  if (std::optional<Bytes> corpus = read_file(corpus_path)) text = std::move(*corpus);
  while (text.size() < kDocumentBytes) text += "ਘਰ ਵਿੱਚ ਪਾਣੀ ਦੀ ਕਮੀ ਨਹੀਂ ਸੀ ਅਤੇ ਲੋਕ ਖ਼ੁਸ਼ ਸਨ।\n";
  const std::size_t end = text.rfind('\n', kDocumentBytes);
  text.resize(end == Bytes::npos ? kDocumentBytes : end + 1);
  return text;
}

void BM_BrowseToFilledGrids(benchmark::State& state) {
  const fs::path data = fs::temp_directory_path() / ("quilm-analysis-window-" + std::to_string(::getpid()));
  fs::remove_all(data);
  fs::copy(QUILM_READY_DATA, data, fs::copy_options::recursive);
  const Bytes text = document_text();
  if (!write_file_atomically(data / "document.txt", text).ok()) state.SkipWithError("cannot write the document");
  MemoryEditor editor;
  FontRegistry fonts;
  QuietPrompter prompter;
  ChosenFile dialogs(data / "document.txt");
  ui::TFreqSel window({fonts, editor, prompter, dialogs, data});
  window.show();
  for (auto _ : state) {
    QSignalSpy filled(&window, &ui::TFreqSel::gridsFilled);
    QSignalSpy finished(&window, &ui::TFreqSel::analysisFinished);
    window.BrowseClick();
    window.GenerateClick();
    if (!filled.wait(120000)) state.SkipWithError("the grids were not filled");
    QApplication::processEvents();  // the grids and charts drawn
    state.PauseTiming();  // the tables are written behind the filled grids
    if (!finished.wait(300000) || !finished.front().front().toBool()) state.SkipWithError("the analysis failed");
    state.ResumeTiming();
  }
  state.counters["bytes"] = static_cast<double>(text.size());
  state.counters["distinct_words"] = window.model(ResultTable::WordFreq)->rowCount();
  fs::remove_all(data);
}
BENCHMARK(BM_BrowseToFilledGrids)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

}  // namespace
}  // namespace quilm::bench

int main(int argc, char** argv) {
  ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication app(argc, argv);
  return quilm::bench::run_with_corpus(argc, argv, quilm::bench::corpus_path);
}
