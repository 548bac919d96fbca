// quilm-screenshot OUT.png [DATA_FOLDER]: draws the started main window, with
// a line of sample text, into a PNG image, for a look at the window without
// a screen (QT_QPA_PLATFORM=offscreen). DATA_FOLDER is the program's data
// folder (by default, as for the program, the current folder); the window
// runs over a temporary copy of it, so that nothing is written there.
#include <QApplication>
#include <QTemporaryDir>
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "app/ui/main_form.h"
#include "app/ui/windows.h"
#include "fonts/ui/display_fonts.h"

namespace {

constexpr const char* kUsage = "usage: quilm-screenshot OUT.png [DATA_FOLDER]\n";

bool copy_folder(const std::filesystem::path& from, const std::filesystem::path& to) {
  std::error_code error;
  std::filesystem::copy(from, to, std::filesystem::copy_options::recursive, error);
  if (error) std::fprintf(stderr, "%s: %s\n", from.string().c_str(), error.message().c_str());
  return !error;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2 || argc > 3 || std::string_view(argv[1]) == "--help") {
    std::fputs(kUsage, argc == 2 ? stdout : stderr);
    return argc == 2 ? 0 : 2;
  }
  QApplication app(argc, argv);
  app.setApplicationDisplayName(quilm::kProgramTitle);
  quilm::ui::load_display_fonts();

  QTemporaryDir data;
  const std::filesystem::path source = argc == 3 ? argv[2] : std::filesystem::current_path();
  if (!data.isValid() || !copy_folder(source, data.path().toStdString())) return 1;

  quilm::ui::TMainForm form(data.path().toStdString());
  if (form.startup_failed()) return 1;
  quilm::ui::ProgramWindows windows(form);
  if (!windows.ok()) return 1;
  form.show();
  form.editor().SetSelText(u"Quilm 2010 \u0A38\u0A24\u0A3F \u0A28\u0A3E\u0A2E\u0A41");
  QApplication::processEvents();
  if (!form.grab().save(QString::fromLocal8Bit(argv[1]))) {
    std::fprintf(stderr, "%s: cannot be written\n", argv[1]);
    return 1;
  }
  return 0;
}
