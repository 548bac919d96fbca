// A tool window of the program: created once at start-up, hidden, shown when
// its command is chosen. Windows whose tools are not built yet are plain
// instances of this class with their class name and caption.
#pragma once

#include <QWidget>

#include "app/ui/window_list.h"

namespace quilm::ui {

class ToolWindow : public QWidget {
  Q_OBJECT
 public:
  ToolWindow(const WindowEntry& entry, QWidget* main_window);

  // Places the window against the right edge of the main window's client area.
  void place(int main_client_width);

 private:
  Placement placement_;
};

}  // namespace quilm::ui
