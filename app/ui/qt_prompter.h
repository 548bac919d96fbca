// The prompter of the program: Qt message boxes, the system beep, and the
// status bar's caption panel and progress bar.
#pragma once

#include <QLabel>
#include <QPointer>
#include <QProgressBar>

#include "common/prompter.h"

class QWidget;

namespace quilm::ui {

class QtPrompter : public Prompter {
 public:
  explicit QtPrompter(QWidget* parent) : parent_(parent) {}
  void attach_status(QLabel* caption, QProgressBar* progress) {
    caption_ = caption;
    progress_ = progress;
  }

  void message(const std::string& text) override;
  void error(const std::string& text) override;
  Answer ask_yes_no_cancel(const std::string& text) override;
  bool ask_yes_no(const std::string& text) override;
  void beep() override;
  void status_caption(const std::string& text) override;
  void progress_start(long max) override;
  void progress_step(long position) override;
  void progress_end() override;

 private:
  QWidget* parent_;
  QPointer<QLabel> caption_;
  QPointer<QProgressBar> progress_;
  bool busy_ = false;  // the hourglass of a running operation is shown
};

}  // namespace quilm::ui
