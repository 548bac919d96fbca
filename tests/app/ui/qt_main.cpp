// main() of the window tests: one QApplication for the whole program.
#include <QApplication>
#include <cstdlib>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
  ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication app(argc, argv);
  app.setApplicationDisplayName("Quilm 2010");
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
