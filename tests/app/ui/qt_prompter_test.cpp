// The prompter of the program: the status bar's caption and progress bar
// and the hourglass of a long operation.
#include "app/ui/qt_prompter.h"

#include <QApplication>
#include <gtest/gtest.h>

namespace quilm::ui {
namespace {

TEST(QtPrompter, ALongOperationShowsTheBusyBarAndHourglassUntilItEnds) {
  QWidget window;
  QLabel caption(&window);
  QProgressBar bar(&window);
  bar.hide();
  window.show();
  QtPrompter prompter(&window);
  prompter.attach_status(&caption, &bar);
  const int cursors_before = QApplication::overrideCursor() ? 1 : 0;

  prompter.status_caption("Opening File...");
  prompter.progress_start(0);
  EXPECT_TRUE(bar.isVisible());
  EXPECT_EQ(bar.maximum(), 0);
  ASSERT_NE(QApplication::overrideCursor(), nullptr);
  EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
  // A step that shows its own progress inside it ends it once.
  prompter.progress_start(10);
  EXPECT_EQ(bar.maximum(), 10);
  prompter.progress_end();
  prompter.progress_end();
  EXPECT_FALSE(bar.isVisible());
  EXPECT_EQ(caption.text(), "");
  EXPECT_EQ(QApplication::overrideCursor() ? 1 : 0, cursors_before);
}

}  // namespace
}  // namespace quilm::ui
