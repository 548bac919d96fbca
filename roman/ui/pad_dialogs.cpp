#include "roman/ui/pad_dialogs.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>
#include <array>

namespace quilm::ui {
namespace {

constexpr std::array kFontSizes = {8, 9, 10, 11, 12, 14, 16, 18, 20, 22, 24, 26, 28, 32, 36, 48, 72};

QComboBox* size_box(int size, QWidget* parent) {
  auto* box = new QComboBox(parent);
  for (int s : kFontSizes) box->addItem(QString::number(s), s);
  const int at = box->findData(size);
  box->setCurrentIndex(at >= 0 ? at : box->findData(12));
  return box;
}

QDialogButtonBox* ok_cancel(QDialog* dialog) {
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
  QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
  return buttons;
}

}  // namespace

TRtoGOptions::TRtoGOptions(const PadOptions& options, QWidget* parent) : QDialog(parent) {
  setWindowTitle("Options");
  setObjectName("RtoGOptions");
  auto* form = new QFormLayout(this);
  roman_size_ = size_box(options.roman_font_size, this);
  gurmukhi_size_ = size_box(options.gurmukhi_font_size, this);
  ignore_case_ = new QCheckBox("Ignore Case ", this);
  ignore_case_->setChecked(options.ignore_case);
  form->addRow("Roman Font Size", roman_size_);
  form->addRow("Gurmukhi Font Size", gurmukhi_size_);
  form->addRow(ignore_case_);
  form->addRow(ok_cancel(this));
}

PadOptions TRtoGOptions::options() const {
  return {roman_size_->currentData().toInt(), gurmukhi_size_->currentData().toInt(), ignore_case_->isChecked()};
}

AddRomanWordDialog::AddRomanWordDialog(const QString& roman, const QString& gurmukhi, QWidget* parent)
    : QDialog(parent) {
  setWindowTitle("Add Word to Database");
  auto* form = new QFormLayout(this);
  roman_ = new QLineEdit(roman, this);
  gurmukhi_ = new QLineEdit(gurmukhi, this);
  form->addRow("Roman", roman_);
  form->addRow("Gurmukhi", gurmukhi_);
  form->addRow(ok_cancel(this));
}

QString AddRomanWordDialog::roman() const { return roman_->text().trimmed(); }
QString AddRomanWordDialog::gurmukhi() const { return gurmukhi_->text().trimmed(); }

PadInstructions::PadInstructions(const std::filesystem::path& page, QWidget* parent) : QDialog(parent) {
  setWindowTitle("Instructions");
  auto* layout = new QVBoxLayout(this);
  browser_ = new QTextBrowser(this);
  browser_->setOpenExternalLinks(false);
  browser_->setSource(QUrl::fromLocalFile(QString::fromStdString(page.string())));
  layout->addWidget(browser_);
  auto* close = new QDialogButtonBox(QDialogButtonBox::Close, this);
  connect(close, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(close);
  resize(560, 480);
}

}  // namespace quilm::ui
