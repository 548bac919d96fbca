#include "analysis/ui/word_list_dialogs.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace quilm::ui {

SaveWordListDialog::SaveWordListDialog(const QString& name, QWidget* parent) : QDialog(parent) {
  setObjectName("TSaveWordList");
  setWindowTitle("Save WordList");
  name_ = new QLineEdit(name, this);
  name_->setObjectName("Edit1");
  save_as_ = new QComboBox(this);
  save_as_->addItems({"DataBase", "Comma Delimited Textfile"});
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* form = new QFormLayout(this);
  form->addRow(tr("Name"), name_);
  form->addRow(tr("Save As"), save_as_);
  form->addRow(buttons);
  name_->setFocus();
}

QString SaveWordListDialog::name() const { return name_->text(); }
bool SaveWordListDialog::comma_delimited() const { return save_as_->currentIndex() == 1; }

LoadWordListDialog::LoadWordListDialog(const std::vector<std::string>& names, QWidget* parent) : QDialog(parent) {
  setObjectName("TLoadWordList");
  setWindowTitle("Load WordList");
  list_ = new QListWidget(this);
  for (const std::string& n : names) list_->addItem(QString::fromStdString(n));
  list_->setSortingEnabled(true);
  if (list_->count() > 0) list_->setCurrentRow(0);
  connect(list_, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
  QPushButton* load = buttons->addButton(tr("Load"), QDialogButtonBox::AcceptRole);
  load->setEnabled(list_->count() > 0);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(list_);
  layout->addWidget(buttons);
}

QString LoadWordListDialog::name() const { return list_->currentItem() ? list_->currentItem()->text() : QString(); }

}  // namespace quilm::ui
