// Loading the display fonts and registering the substitutions.
#include "fonts/ui/display_fonts.h"

#include <QDir>
#include <QFile>
#include <QFont>
#include <QFontDatabase>

#include <string>
#include <vector>

#include "fonts/display/display_font_list.h"
#include "fonts/display/substitution_plan.h"
#include "fonts/registry.h"
#include "fonts/ui/font_names.h"
#include "fonts/ui/program_folders.h"

namespace quilm::ui {
namespace {

bool has_font_list(const QString& folder) {
  return QFile::exists(QDir(folder).filePath(QString::fromUtf8(display::kDisplayFontList)));
}

std::vector<display::DisplayFont> read_font_list(const QString& folder, QStringList& problems) {
  QFile file(QDir(folder).filePath(QString::fromUtf8(display::kDisplayFontList)));
  if (!file.open(QIODevice::ReadOnly)) {
    problems << file.fileName() + ": cannot be read";
    return {};
  }
  const QByteArray text = file.readAll();
  std::vector<int> bad;
  auto fonts = display::parse_display_font_list(std::string_view(text.constData(), text.size()), &bad);
  for (int line : bad) problems << file.fileName() + ":" + QString::number(line) + ": not a font line";
  return fonts;
}

void load_font_file(const QString& file, DisplayFontsReport& report) {
  const QString path = QDir(report.folder).filePath(file);
  if (QFontDatabase::addApplicationFont(path) < 0)
    report.problems << path + ": not a font Qt can load";
  else
    ++report.loaded;
}

}  // namespace

QStringList display_fonts_candidates() {
  return program_folder_candidates("fonts", QStringLiteral(QUILM_DISPLAY_FONTS_DIR));
}

QString display_fonts_folder() {
  for (const QString& folder : display_fonts_candidates())
    if (has_font_list(folder)) return QDir::cleanPath(folder);
  return {};
}

DisplayFontsReport load_display_fonts(const QString& folder) {
  DisplayFontsReport report;
  report.folder = folder.isEmpty() ? display_fonts_folder() : folder;
  if (report.folder.isEmpty()) {
    report.problems << "no display fonts found";
    return report;
  }
  const FontRegistry registry;
  const auto fonts = read_font_list(report.folder, report.problems);
  const display::DisplayFontPlan plan = display::plan_display_fonts(registry, fonts, present_families());
  for (const display::DisplayFont& f : plan.to_load) load_font_file(QString::fromStdString(f.file), report);
  if (plan.load_unicode_stand_in) load_font_file(QString::fromUtf8(display::kUnicodeStandInFile), report);
  for (const display::Substitution& s : plan.substitutions) {
    QFont::insertSubstitution(QString::fromStdString(s.font_name), QString::fromStdString(s.family));
    ++report.substituted;
  }
  return report;
}

}  // namespace quilm::ui
