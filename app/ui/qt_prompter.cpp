#include "app/ui/qt_prompter.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>

namespace quilm::ui {
namespace {

QString title() { return QApplication::applicationDisplayName(); }
QString text_of(const std::string& s) { return QString::fromStdString(s); }

// A box shown while the hourglass is up points with the arrow.
class ArrowWhileShown {
 public:
  ArrowWhileShown() { QApplication::setOverrideCursor(Qt::ArrowCursor); }
  ~ArrowWhileShown() { QApplication::restoreOverrideCursor(); }
  ArrowWhileShown(const ArrowWhileShown&) = delete;
  ArrowWhileShown& operator=(const ArrowWhileShown&) = delete;
};

}  // namespace

void QtPrompter::message(const std::string& text) {
  ArrowWhileShown arrow;
  QMessageBox::information(parent_, title(), text_of(text));
}

void QtPrompter::error(const std::string& text) {
  ArrowWhileShown arrow;
  QMessageBox::critical(parent_, title(), text_of(text));
}

Answer QtPrompter::ask_yes_no_cancel(const std::string& text) {
  ArrowWhileShown arrow;
  auto choice = QMessageBox::question(parent_, title(), text_of(text),
                                      QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
  if (choice == QMessageBox::Yes) return Answer::Yes;
  if (choice == QMessageBox::No) return Answer::No;
  return Answer::Cancel;
}

bool QtPrompter::ask_yes_no(const std::string& text) {
  ArrowWhileShown arrow;
  return QMessageBox::question(parent_, title(), text_of(text), QMessageBox::Yes | QMessageBox::No) ==
         QMessageBox::Yes;
}

void QtPrompter::beep() { QApplication::beep(); }

void QtPrompter::status_caption(const std::string& text) {
  if (caption_) caption_->setText(text_of(text));
  QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

// A maximum of 0 shows a bar that only says the program is busy. The
// hourglass stays until the operation ends.
void QtPrompter::progress_start(long max) {
  if (!busy_) QApplication::setOverrideCursor(Qt::WaitCursor);
  busy_ = true;
  if (!progress_) return;
  progress_->setRange(0, static_cast<int>(max));
  progress_->setValue(0);
  progress_->show();
  QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void QtPrompter::progress_step(long position) {
  if (!progress_) return;
  progress_->setValue(static_cast<int>(position));
  QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void QtPrompter::progress_end() {
  if (busy_) QApplication::restoreOverrideCursor();
  busy_ = false;
  if (progress_) progress_->hide();
  if (caption_) caption_->clear();
}

}  // namespace quilm::ui
