#include "app/ui/page_number_dialog.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QRadioButton>
#include <QVBoxLayout>

namespace quilm::ui {
namespace {

// A row of radio buttons in a titled box, each with the id of its value.
QButtonGroup* add_choice(QWidget* owner, QVBoxLayout* layout, const QString& title,
                         std::initializer_list<std::pair<QString, int>> items) {
  auto* box = new QGroupBox(title, owner);
  auto* row = new QHBoxLayout(box);
  auto* group = new QButtonGroup(owner);
  for (const auto& [caption, id] : items) {
    auto* button = new QRadioButton(caption, box);
    group->addButton(button, id);
    row->addWidget(button);
  }
  layout->addWidget(box);
  return group;
}

}  // namespace

TPageNumber::TPageNumber(QWidget* parent) : QDialog(parent) {
  setObjectName("TPageNumber");
  setWindowTitle(tr("Page Numbering"));
  auto* layout = new QVBoxLayout(this);
  place_ = add_choice(this, layout, tr("Position"),
                      {{tr("&None"), int(PageNumberPlace::None)},
                       {tr("&Header"), int(PageNumberPlace::Header)},
                       {tr("&Footer"), int(PageNumberPlace::Footer)}});
  alignment_ = add_choice(this, layout, tr("Alignment"),
                          {{tr("&Left"), int(Alignment::Left)},
                           {tr("&Centre"), int(Alignment::Center)},
                           {tr("&Right"), int(Alignment::Right)}});
  auto* form = new QFormLayout;
  first_number_ = new QLineEdit(this);
  first_number_->setObjectName("FirstNumber");
  form->addRow(tr("&Start at:"), first_number_);
  layout->addLayout(form);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &TPageNumber::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &TPageNumber::reject);
  layout->addWidget(buttons);
  set_numbering(numbering_);
}

void TPageNumber::set_numbering(const PageNumbering& numbering) {
  numbering_ = numbering;
  place_->button(int(numbering.place))->setChecked(true);
  alignment_->button(int(numbering.alignment))->setChecked(true);
  first_number_->setText(QString::number(numbering.first_number));
}

void TPageNumber::accept() {
  const std::optional<int> first = parse_first_page_number(first_number_->text().toStdString());
  if (!first) {
    QMessageBox::warning(this, windowTitle(),
                         tr("The first page number must be a whole number from 0 to %1.").arg(kLargestFirstPageNumber));
    first_number_->setFocus();
    return;
  }
  numbering_.place = static_cast<PageNumberPlace>(place_->checkedId());
  const int alignment = alignment_->checkedId();
  numbering_.alignment = alignment < 0 ? Alignment::Center : static_cast<Alignment>(alignment);
  numbering_.first_number = *first;
  QDialog::accept();
}

}  // namespace quilm::ui
