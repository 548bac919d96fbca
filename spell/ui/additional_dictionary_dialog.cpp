#include "spell/ui/additional_dictionary_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace quilm::ui {

TAdditionalDict::TAdditionalDict(QWidget* parent) : QDialog(parent) {
  setObjectName("AdditionalDict");
  setWindowTitle("Additional Dictionary");
  auto* column = new QVBoxLayout(this);
  column->addWidget(new QLabel("Additional Dictionary", this));
  ComboBox1 = new QComboBox(this);
  ComboBox1->setObjectName("ComboBox1");
  ComboBox1->setMinimumContentsLength(20);
  column->addWidget(ComboBox1);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->button(QDialogButtonBox::Ok)->setObjectName("BitBtn1");
  buttons->button(QDialogButtonBox::Cancel)->setObjectName("Cancel");
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  column->addWidget(buttons);
}

std::optional<std::string> TAdditionalDict::choose(const std::vector<std::string>& names, const std::string& current) {
  ComboBox1->clear();
  for (const std::string& name : names) ComboBox1->addItem(QString::fromStdString(name));
  const auto at = std::find(names.begin(), names.end(), current);
  ComboBox1->setCurrentIndex(at == names.end() ? -1 : static_cast<int>(at - names.begin()));
  if (exec() != QDialog::Accepted || ComboBox1->currentIndex() < 0) return std::nullopt;
  return ComboBox1->currentText().toStdString();
}

}  // namespace quilm::ui
