#include "app/ui/ruler.h"

#include <QPainter>

namespace quilm::ui {

Ruler::Ruler(QWidget* parent) : QWidget(parent) {
  setObjectName("TXRuler1");
  setAutoFillBackground(true);
}

void Ruler::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), palette().window());
  const double dots_per_cm = logicalDpiX() / 2.54;
  const int h = height();
  p.setPen(palette().windowText().color());
  for (int mm = 0; mm * dots_per_cm / 10.0 < width(); ++mm) {
    const int x = static_cast<int>(mm * dots_per_cm / 10.0);
    const int tick = mm % 10 == 0 ? h / 2 : (mm % 5 == 0 ? h / 3 : h / 5);
    p.drawLine(x, h - 1, x, h - 1 - tick);
    if (mm % 10 == 0 && mm > 0) p.drawText(x + 2, h / 2, QString::number(mm / 10));
  }
  p.drawLine(0, h - 1, width(), h - 1);
}

}  // namespace quilm::ui
