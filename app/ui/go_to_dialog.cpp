#include "app/ui/go_to_dialog.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace quilm::ui {

TGoToLinePage::TGoToLinePage(Prompter& prompter, QWidget* parent) : QDialog(parent), prompter_(prompter) {
  setObjectName("TGoToLinePage");
  setWindowTitle(tr("Go To"));
  auto* what = new QGroupBox(tr("Go To What"), this);
  page_ = new QRadioButton(tr("&Page"), what);
  page_->setObjectName("Page");
  line_ = new QRadioButton(tr("&Line"), what);
  line_->setObjectName("Line");
  auto* choices = new QVBoxLayout(what);
  choices->addWidget(page_);
  choices->addWidget(line_);
  page_->setChecked(true);
  label_ = new QLabel(this);
  number_ = new QLineEdit(tr("1"), this);
  number_->setObjectName("Number");
  number_->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]*"), number_));
  label_->setBuddy(number_);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &TGoToLinePage::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &TGoToLinePage::reject);
  connect(page_, &QRadioButton::toggled, this, &TGoToLinePage::showWhat);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(what);
  layout->addWidget(label_);
  layout->addWidget(number_);
  layout->addWidget(buttons);
  showWhat();
}

void TGoToLinePage::showWhat() {
  label_->setText(page_->isChecked() ? tr("Enter Page Number:") : tr("Enter Line Number:"));
}

std::optional<GoToTarget> TGoToLinePage::run(int lines, int pages) {
  lines_ = lines;
  pages_ = pages;
  target_.reset();
  number_->setText(tr("1"));
  number_->selectAll();
  number_->setFocus();
  exec();
  return target_;
}

void TGoToLinePage::accept() {
  const std::optional<int> number = parse_go_to_number(number_->text().toStdString());
  if (!number) {
    prompter_.error("Enter a page or line number from 1.");
    number_->setFocus();
    return;
  }
  target_ = go_to_target(page_->isChecked() ? GoToWhat::Page : GoToWhat::Line, *number, lines_, pages_);
  QDialog::accept();
}

}  // namespace quilm::ui
