// The ruler above the editor: centimetre ticks across the client width.
#pragma once

#include <QWidget>

namespace quilm::ui {

class Ruler : public QWidget {
  Q_OBJECT
 public:
  explicit Ruler(QWidget* parent);
  QSize sizeHint() const override { return {200, 24}; }

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace quilm::ui
