#include "app/ui/table_attributes_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>

#include "app/table_commands.h"

namespace quilm::ui {

TableAttributesDialog::TableAttributesDialog(Editor& editor, Prompter& prompter, QWidget* parent)
    : QDialog(parent), editor_(editor), prompter_(prompter) {
  setObjectName("TTableAttributes");
  setWindowTitle(tr("Table Attributes"));
  auto* form = new QFormLayout(this);
  border_ = add_field("BorderWidth", tr("&Border width (points):"));
  padding_ = add_field("CellPadding", tr("Cell &padding (points):"));
  spacing_ = add_field("CellSpacing", tr("Cell &spacing (points):"));
  width_ = add_field("TableWidth", tr("&Width (% of the page, 0 as the text needs):"));
  alignment_ = new QComboBox(this);
  alignment_->setObjectName("TableAlignment");
  alignment_->addItems({tr("Left"), tr("Centre"), tr("Right")});
  form->addRow(tr("&Alignment:"), alignment_);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &TableAttributesDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  form->addRow(buttons);
}

QLineEdit* TableAttributesDialog::add_field(const char* name, const QString& label) {
  auto* edit = new QLineEdit(this);
  edit->setObjectName(name);
  static_cast<QFormLayout*>(layout())->addRow(label, edit);
  return edit;
}

QLineEdit* TableAttributesDialog::field(const char* name) const { return findChild<QLineEdit*>(name); }

bool TableAttributesDialog::prepare() {
  const std::optional<TableAttributes> now = editor_.TableAttributesAtInputPos();
  if (!now) return false;
  border_->setText(QString::number(now->border_width));
  padding_->setText(QString::number(now->cell_padding));
  spacing_->setText(QString::number(now->cell_spacing));
  width_->setText(QString::number(now->width_percent));
  alignment_->setCurrentIndex(static_cast<int>(now->alignment));
  return true;
}

void TableAttributesDialog::accept() {
  std::optional<TableAttributes> attributes = editor_.TableAttributesAtInputPos();
  if (!attributes) return reject();
  const TableAttributeTexts texts{border_->text().trimmed().toStdString(), padding_->text().trimmed().toStdString(),
                                  spacing_->text().trimmed().toStdString(), width_->text().trimmed().toStdString()};
  const Status read = read_table_attributes(texts, *attributes);
  if (!read) {
    prompter_.error(read.message());
    return;
  }
  attributes->alignment = static_cast<TableAlignment>(alignment_->currentIndex());
  if (const Status set = editor_.SetTableAttributesAtInputPos(*attributes); !set) {
    prompter_.error(set.message());
    return;
  }
  QDialog::accept();
}

}  // namespace quilm::ui
