#include "spell/ui/new_dictionary_dialog.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "spell/new_dictionary.h"

namespace quilm::ui {

TNewDict::TNewDict(std::filesystem::path data_folder, Prompter& prompter, QWidget* parent)
    : QDialog(parent), data_folder_(std::move(data_folder)), prompter_(prompter) {
  setObjectName("TNewDict");
  setWindowTitle("New Dictionary");
  auto* column = new QVBoxLayout(this);
  column->addWidget(new QLabel("Dictionary Name", this));
  Edit1 = new QLineEdit(this);
  Edit1->setObjectName("Edit1");
  column->addWidget(Edit1);
  CheckBox1 = new QCheckBox("Set Default Dictionary", this);
  CheckBox1->setObjectName("CheckBox1");
  CheckBox1->setChecked(true);
  column->addWidget(CheckBox1);
  auto* buttons = new QHBoxLayout();
  BitBtn2 = new QPushButton("OK", this);
  BitBtn2->setObjectName("BitBtn2");
  BitBtn2->setEnabled(false);
  BitBtn1 = new QPushButton("Cancel", this);
  BitBtn1->setObjectName("BitBtn1");
  buttons->addWidget(BitBtn2);
  buttons->addWidget(BitBtn1);
  column->addLayout(buttons);
  connect(Edit1, &QLineEdit::textChanged, this, &TNewDict::Edit1Change);
  connect(Edit1, &QLineEdit::editingFinished, this, &TNewDict::Edit1Exit);
  connect(BitBtn2, &QPushButton::clicked, this, &TNewDict::BitBtn2Click);
  connect(BitBtn1, &QPushButton::clicked, this, &QDialog::reject);
}

void TNewDict::showEvent(QShowEvent* event) {
  created_.reset();
  QDialog::showEvent(event);
}

bool TNewDict::set_default() const { return CheckBox1->isChecked(); }

void TNewDict::Edit1Change() { BitBtn2->setEnabled(!Edit1->text().isEmpty()); }

void TNewDict::back_to_name() {
  Edit1->setFocus();
  BitBtn2->setEnabled(false);
}

bool TNewDict::refuse_existing_name() {
  const std::string name = Edit1->text().toStdString();
  if (name.empty() || !dictionary_exists(data_folder_, name)) return false;
  prompter_.message(std::string(kDictionaryExists) + "\n" + std::string(kRenameDictionary));
  back_to_name();
  return true;
}

void TNewDict::Edit1Exit() {
  if (isVisible()) refuse_existing_name();
}

void TNewDict::BitBtn2Click() {
  if (refuse_existing_name()) return;
  const std::string name = Edit1->text().toStdString();
  Status problem = Status::Ok();
  switch (create_dictionary(data_folder_, name, &problem)) {
    case NewDictionary::Created:
      created_ = name;
      accept();
      return;
    case NewDictionary::Exists:
      refuse_existing_name();
      return;
    case NewDictionary::CannotCreate:
      prompter_.error(std::string(kCannotCreateDictionary));
      back_to_name();
      return;
  }
}

}  // namespace quilm::ui
