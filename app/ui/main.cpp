// The desktop program: splash, main window, the tool windows, the message loop.
// The data folder is the folder that is current when the program starts.
#include <QApplication>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "app/document_state.h"
#include "app/ui/main_form.h"
#include "app/ui/splash.h"
#include "app/ui/windows.h"
#include "fonts/ui/display_fonts.h"

int main(int argc, char** argv) {
  // Before QApplication, which needs a display.
  if (const std::optional<quilm::CommandLineAnswer> answer =
          quilm::answer_command_line(std::vector<std::string>(argv + 1, argv + argc))) {
    std::fputs(answer->text.c_str(), stdout);
    return answer->status;
  }
  QApplication app(argc, argv);
  quilm::ui::load_display_fonts();  // stand-ins for legacy fonts the user lacks
  app.setApplicationName("Quilm");
  app.setApplicationDisplayName(quilm::kProgramTitle);

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
