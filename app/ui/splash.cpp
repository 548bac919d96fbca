#include "app/ui/splash.h"

#include <QFont>
#include <QPainter>
#include <QPixmap>

namespace quilm::ui {
namespace {

constexpr int kWidth = 389;
constexpr int kHeight = 388;

// The picture is drawn rather than stored: the program's name in Gurmukhi and
// in Latin letters on white.
QPixmap splash_picture() {
  QPixmap picture(kWidth, kHeight);
  picture.fill(Qt::white);
  QPainter p(&picture);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QColor(0x1f, 0x3a, 0x7a));
  QFont title("Sans", 34, QFont::Bold);
  p.setFont(title);
  p.drawText(QRect(0, 90, kWidth, 70), Qt::AlignCenter, QString::fromUtf8("ਕੁਇਲਮ"));
  p.setFont(QFont("Sans", 26, QFont::Bold));
  p.drawText(QRect(0, 170, kWidth, 50), Qt::AlignCenter, "Quilm 2010");
  p.setFont(QFont("Sans", 11));
  p.setPen(Qt::darkGray);
  p.drawText(QRect(0, 240, kWidth, 60), Qt::AlignCenter | Qt::TextWordWrap,
             "Punjabi word processor and language toolkit");
  p.drawRect(0, 0, kWidth - 1, kHeight - 1);
  return picture;
}

}  // namespace

std::unique_ptr<QSplashScreen> make_splash() {
  auto splash = std::make_unique<QSplashScreen>(splash_picture(), Qt::FramelessWindowHint);
  splash->setObjectName("TTSplash");
  splash->setFixedSize(kWidth, kHeight);
  return splash;
}

}  // namespace quilm::ui
