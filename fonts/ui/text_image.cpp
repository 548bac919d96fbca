// Drawing text in a named font onto an image.
#include "fonts/ui/text_image.h"

#include <QFont>
#include <QFontInfo>
#include <QFontMetrics>
#include <QPainter>

namespace quilm::ui {
namespace {

constexpr int kMargin = 16;

QFont font_named(const QString& font_name, int point_size) {
  QFont font(font_name);
  font.setPointSize(point_size);
  return font;
}

}  // namespace

QImage text_image(const QString& font_name, const QString& text, int point_size) {
  const QFont font = font_named(font_name, point_size);
  const QFontMetrics metrics(font);
  const QRect bounds = metrics.boundingRect(text);
  const int width = std::max(metrics.horizontalAdvance(text), bounds.width()) + 2 * kMargin;
  const int height = metrics.height() + 2 * kMargin;
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.setFont(font);
  painter.setPen(Qt::black);
  painter.drawText(kMargin, kMargin + metrics.ascent(), text);
  return image;
}

QString drawn_family(const QString& font_name) { return QFontInfo(QFont(font_name)).family(); }

}  // namespace quilm::ui
