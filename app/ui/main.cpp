// The desktop program: splash, main window, the tool windows, the message loop.
// The data folder is the folder that is current when the program starts.
#include <QApplication>
#include <QIcon>
#include <QMessageBox>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "app/document_state.h"
#include "app/user_data.h"
#include "app/ui/main_form.h"
#include "app/ui/splash.h"
#include "app/ui/windows.h"
#include "fonts/ui/display_fonts.h"

namespace {

// Installed and started outside a data folder: the user's own data folder,
// made or refreshed from the installed one, becomes the current folder.
// False when it cannot be prepared (said in a message box).
bool enter_user_data_folder() {
  namespace fs = std::filesystem;
  if (quilm::is_data_folder(fs::current_path())) return true;
  const std::optional<quilm::InstalledData> installed =
      quilm::installed_data(QCoreApplication::applicationDirPath().toStdString());
  const fs::path data = quilm::user_data_folder(std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
  if (!installed || data.empty()) return true;  // not installed: the current folder, as in a build tree
  if (quilm::needs_refresh(installed->ready, data) &&
      std::system(quilm::refresh_command(*installed, data).c_str()) != 0) {
    QMessageBox::critical(nullptr, quilm::kProgramTitle,
                          QString("The data folder %1 could not be prepared from %2.")
                              .arg(QString::fromStdString(data.string()), QString::fromStdString(installed->ready.string())));
    return false;
  }
  std::error_code error;
  fs::current_path(data, error);
  return !error;
}

}  // namespace

int main(int argc, char** argv) {
  // Before QApplication, which needs a display.
  if (const std::optional<quilm::CommandLineAnswer> answer =
          quilm::answer_command_line(std::vector<std::string>(argv + 1, argv + argc))) {
    std::fputs(answer->text.c_str(), stdout);
    return answer->status;
  }
  QApplication app(argc, argv);
  // Stand-ins for the legacy fonts the user lacks. Without them every legacy
  // document would show as Latin letters, so their absence is said once.
  const quilm::ui::DisplayFontsReport fonts = quilm::ui::load_display_fonts();
  app.setApplicationName("Quilm");
  app.setApplicationDisplayName(quilm::kProgramTitle);
  app.setDesktopFileName("quilm");
  app.setWindowIcon(QIcon::fromTheme("quilm"));
  if (fonts.folder.isEmpty())
    QMessageBox::warning(nullptr, quilm::kProgramTitle,
                         "The display fonts were not found (looked in " +
                             quilm::ui::display_fonts_candidates().join(", ") +
                             "). Text in legacy Gurmukhi fonts that are not installed will show as Latin "
                             "letters.");

  if (!enter_user_data_folder()) return 1;

  auto splash = quilm::ui::make_splash();
  splash->show();
  app.processEvents();

  quilm::ui::TMainForm main_form(std::filesystem::current_path());
  if (main_form.startup_failed()) return 1;
  quilm::ui::ProgramWindows windows(main_form);
  if (!windows.ok()) return 1;

  main_form.show();
  splash->finish(&main_form);
  return app.exec();
}
