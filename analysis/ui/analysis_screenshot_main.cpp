// quilm-analysis-screenshot OUT.png DATA_FOLDER DOCUMENT: the "Frequency
// Analysis" window after "Generate Word Lists" on DOCUMENT (loaded as the
// document in the editor, in the format of its extension), drawn twice side
// by side: with its word grid and with its charts. The window works in a
// temporary copy of DATA_FOLDER, so that nothing is written there.
#include <QApplication>
#include <QPainter>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTemporaryDir>
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "analysis/ui/freq_sel.h"
#include "analysis/ui/frequency_charts.h"
#include "common/quiet_prompter.h"
#include "convert/file_types.h"
#include "editors/memory_editor.h"
#include "fonts/ui/display_fonts.h"

namespace {

constexpr const char* kUsage = "usage: quilm-analysis-screenshot OUT.png DATA_FOLDER DOCUMENT\n";

class NoDialogs : public quilm::FileDialogs {
 public:
  std::optional<quilm::FileChoice> open(const quilm::FileDialogRequest&) override { return std::nullopt; }
  std::optional<quilm::FileChoice> save(const quilm::FileDialogRequest&) override { return std::nullopt; }
};

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fputs(kUsage, argc == 2 && std::string_view(argv[1]) == "--help" ? stdout : stderr);
    return argc == 2 ? 0 : 2;
  }
  QApplication app(argc, argv);
  quilm::ui::load_display_fonts();
  QTemporaryDir data;
  std::error_code error;
  std::filesystem::copy(argv[2], data.path().toStdString(), std::filesystem::copy_options::recursive, error);
  if (!data.isValid() || error) return 1;

  quilm::FontRegistry fonts;
  quilm::MemoryEditor editor;
  editor.SetLegacyFonts([&](const std::string& name) { return fonts.check_font_punjabi(name); });
  if (const quilm::Status loaded = editor.LoadFile(argv[3], quilm::source_file_format(argv[3])); !loaded.ok()) {
    std::fprintf(stderr, "%s\n", loaded.message().c_str());
    return 1;
  }
  quilm::QuietPrompter prompter;
  NoDialogs dialogs;
  quilm::ui::TFreqSel window({fonts, editor, prompter, dialogs, data.path().toStdString()});
  window.resize(1000, 720);
  window.show();
  window.CurrentDocumentClick();
  QSignalSpy finished(&window, &quilm::ui::TFreqSel::analysisFinished);
  window.GenerateClick();
  if (!finished.wait(120000) || !finished.front().front().toBool()) return 1;
  QApplication::processEvents();
  const QPixmap grids = window.grab();
  window.views()->setCurrentWidget(window.charts());
  QApplication::processEvents();
  const QPixmap charts = window.grab();
  QPixmap both(grids.width() + charts.width(), std::max(grids.height(), charts.height()));
  both.fill(Qt::white);
  QPainter painter(&both);
  painter.drawPixmap(0, 0, grids);
  painter.drawPixmap(grids.width(), 0, charts);
  painter.end();
  if (!both.save(QString::fromLocal8Bit(argv[1]))) {
    std::fprintf(stderr, "%s: cannot be written\n", argv[1]);
    return 1;
  }
  return 0;
}
