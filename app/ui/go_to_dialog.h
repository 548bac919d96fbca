// "Go To" (Ctrl+G): a page or a line by its number. OK with an entry that is
// no number from 1 says so and keeps the dialog open.
#pragma once

#include <QDialog>
#include <optional>

#include "app/go_to.h"
#include "common/prompter.h"

class QLabel;
class QLineEdit;
class QRadioButton;

namespace quilm::ui {

class TGoToLinePage : public QDialog {
  Q_OBJECT
 public:
  TGoToLinePage(Prompter& prompter, QWidget* parent = nullptr);

  // The modal dialog over a document of `lines` lines and `pages` pages: the
  // target of the number entered, or nothing when cancelled.
  std::optional<GoToTarget> run(int lines, int pages);

  void accept() override;

 private:
  void showWhat();
  Prompter& prompter_;
  QRadioButton* page_ = nullptr;
  QRadioButton* line_ = nullptr;
  QLabel* label_ = nullptr;
  QLineEdit* number_ = nullptr;
  int lines_ = 1, pages_ = 1;
  std::optional<GoToTarget> target_;
};

}  // namespace quilm::ui
