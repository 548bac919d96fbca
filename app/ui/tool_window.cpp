#include "app/ui/tool_window.h"

#include <QLabel>
#include <QVBoxLayout>

namespace quilm::ui {

ToolWindow::ToolWindow(const WindowEntry& entry, QWidget* main_window)
    : QWidget(main_window, Qt::Tool), placement_(entry.placement) {
  setObjectName(entry.class_name);
  setWindowTitle(entry.caption);
  resize(360, 280);
  auto* layout = new QVBoxLayout(this);
  auto* note = new QLabel(tr("%1 is not available in this version.").arg(entry.caption), this);
  note->setWordWrap(true);
  layout->addWidget(note);
  hide();
}

void ToolWindow::place(int main_client_width) {
  if (placement_ == Placement::Free) return;
  const int top = placement_ == Placement::RightEdgeAtTop ? 0 : y();
  move(main_client_width - width(), top);
}

}  // namespace quilm::ui
