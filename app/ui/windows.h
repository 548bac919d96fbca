// The program's windows after the main window, created once, in order, hidden.
#pragma once

#include <QString>
#include <vector>

#include "app/ui/tool_window.h"

namespace quilm::ui {

class TMainForm;

class ProgramWindows {
 public:
  // Creates every tool window in start-up order, opens the tables each keeps
  // open, and places those that sit against the main window's right edge.
  // When a window cannot be created the rest are not, and ok() is false.
  explicit ProgramWindows(TMainForm& main_form);

  bool ok() const { return ok_; }

  ToolWindow* find(const QString& class_name) const;
  const std::vector<ToolWindow*>& all() const { return windows_; }

 private:
  std::vector<ToolWindow*> windows_;  // owned by the main window as Qt children
  bool ok_ = true;
};

}  // namespace quilm::ui
