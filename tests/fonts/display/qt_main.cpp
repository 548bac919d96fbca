// main() of the display-font tests: one QGuiApplication, offscreen. Before the
// display fonts are loaded it adds a font named "Satluj" (a renamed copy of
// the source Unicode font), playing a font the user has installed under a
// Gurmukhi font name.
#include <QFontDatabase>
#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>

#include "fonts/ui/display_fonts.h"

int main(int argc, char** argv) {
  ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QGuiApplication app(argc, argv);
  if (QFontDatabase::addApplicationFont(QStringLiteral(QUILM_INSTALLED_FONT)) < 0)
    std::fprintf(stderr, "cannot load the installed-font fixture\n");
  const quilm::ui::DisplayFontsReport report = quilm::ui::load_display_fonts();
  for (const QString& p : report.problems) std::fprintf(stderr, "%s\n", qPrintable(p));
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
