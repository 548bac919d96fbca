// The desktop program: splash, main window, the tool windows, the message loop.
// The data folder is the folder that is current when the program starts.
#include <QApplication>
#include <filesystem>

#include "app/document_state.h"
#include "app/ui/main_form.h"
#include "app/ui/splash.h"
#include "app/ui/windows.h"
#include "fonts/ui/display_fonts.h"

int main(int argc, char** argv) {
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
