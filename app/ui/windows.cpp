#include "app/ui/windows.h"

#include "app/ui/main_form.h"

namespace quilm::ui {

ProgramWindows::ProgramWindows(TMainForm& main_form) {
  const int client_width = main_form.client()->width();
  for (const WindowEntry& entry : kToolWindows) {
    if (!main_form.stored_tables().open_for(entry.class_name, main_form.workspace().data_folder,
                                            main_form.prompter())) {
      main_form.abandon_startup();
      ok_ = false;
      return;
    }
    auto* window = new ToolWindow(entry, &main_form);
    window->place(client_width);
    windows_.push_back(window);
  }
}

ToolWindow* ProgramWindows::find(const QString& class_name) const {
  for (ToolWindow* w : windows_)
    if (w->objectName() == class_name) return w;
  return nullptr;
}

}  // namespace quilm::ui
