// main() of the window tests: one QApplication for the whole program, with
// the display fonts loaded as the program loads them.
#include <QApplication>
#include <cstdlib>
#include <gtest/gtest.h>

#include "fonts/ui/display_fonts.h"

int main(int argc, char** argv) {
  ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication app(argc, argv);
  app.setApplicationDisplayName("Quilm 2010");
  quilm::ui::load_display_fonts();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
