// The program's windows after the main window, created once, in order, hidden.
#pragma once

#include <QString>
#include <vector>

#include "app/ui/tool_window.h"

namespace quilm::ui {

class TMainForm;

class ProgramWindows {
 public:
  // Creates every tool window in start-up order and places those that sit
  // against the main window's right edge.
  explicit ProgramWindows(TMainForm& main_form);

  ToolWindow* find(const QString& class_name) const;
  const std::vector<ToolWindow*>& all() const { return windows_; }

 private:
  std::vector<ToolWindow*> windows_;  // owned by the main window as Qt children
};

}  // namespace quilm::ui
