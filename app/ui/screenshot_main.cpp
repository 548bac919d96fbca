// quilm-screenshot OUT.png [DATA_FOLDER] [ACTION [TEXT [FONT]]]: draws the started
// main window, with a line of sample text, into a PNG image, for a look at
// the window without a screen (QT_QPA_PLATFORM=offscreen). DATA_FOLDER is
// the program's data folder (by default, as for the program, the current
// folder); the window runs over a temporary copy of it, so that nothing is
// written there. With ACTION (the object name of a menu command, such as
// TransliterateRomantoGurmukhi1) the document holds TEXT instead (UTF-8, in
// FONT or the font at the caret) and selected, the command is run, and the window it opens is
// drawn instead of the main window: the pictures of the help pages.
#include <QApplication>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "app/ui/main_form.h"
#include "app/ui/windows.h"
#include "fonts/ui/display_fonts.h"

namespace {

constexpr const char* kUsage = "usage: quilm-screenshot OUT.png [DATA_FOLDER] [ACTION [TEXT [FONT]]]\n";
constexpr int kSettleMs = 2500;  // long enough for a window that works on a thread to finish

bool copy_folder(const std::filesystem::path& from, const std::filesystem::path& to) {
  std::error_code error;
  std::filesystem::copy(from, to, std::filesystem::copy_options::recursive, error);
  if (error) std::fprintf(stderr, "%s: %s\n", from.string().c_str(), error.message().c_str());
  return !error;
}

// The window the command opened: a visible top-level window other than the
// main one (a dialog is shown modeless for the picture).
QWidget* opened_window(const QWidget& main_window) {
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w != &main_window && w->isVisible() && !w->windowTitle().isEmpty()) return w;
  return nullptr;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2 || argc > 6 || std::string_view(argv[1]) == "--help") {
    std::fputs(kUsage, argc == 2 ? stdout : stderr);
    return argc == 2 ? 0 : 2;
  }
  QApplication app(argc, argv);
  app.setApplicationDisplayName(quilm::kProgramTitle);
  quilm::ui::load_display_fonts();

  QTemporaryDir data;
  const std::filesystem::path source = argc >= 3 ? argv[2] : std::filesystem::current_path();
  if (!data.isValid() || !copy_folder(source, data.path().toStdString())) return 1;

  quilm::ui::TMainForm form(data.path().toStdString());
  if (form.startup_failed()) return 1;
  quilm::ui::ProgramWindows windows(form);
  if (!windows.ok()) return 1;
  form.show();
  const QString text = argc >= 5 ? QString::fromUtf8(argv[4]) : QString::fromUtf8("Quilm 2010 ਸਤਿ ਨਾਮੁ");
  if (argc == 6) form.editor().SetFontName(argv[5]);
  form.editor().SetSelText(text.toStdU16String());
  QApplication::processEvents();
  QWidget* drawn = &form;
  if (argc >= 4) {
    form.editor().Select(0, form.editor().TextLength());
    QAction* action = form.findChild<QAction*>(QString::fromLocal8Bit(argv[3]));
    if (!action) {
      std::fprintf(stderr, "no command %s\n", argv[3]);
      return 2;
    }
    // Modal windows run in a timer so that the picture is taken while they show.
    QWidget* seen = nullptr;
    QTimer::singleShot(0, [&] { action->trigger(); });
    QTimer::singleShot(kSettleMs, [&] {
      seen = opened_window(form);
      if (seen && !seen->grab().save(QString::fromLocal8Bit(argv[1]))) seen = nullptr;
      for (QWidget* w : QApplication::topLevelWidgets())
        if (w != &form) w->close();
      QApplication::exit(0);
    });
    QApplication::exec();
    if (!seen) {
      std::fprintf(stderr, "%s opened no window, or %s cannot be written\n", argv[3], argv[1]);
      return 1;
    }
    return 0;
  }
  if (!drawn->grab().save(QString::fromLocal8Bit(argv[1]))) {
    std::fprintf(stderr, "%s: cannot be written\n", argv[1]);
    return 1;
  }
  return 0;
}
