#include "convert/ui/change_font_dialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QPushButton>

#include "convert/change_font.h"
#include "convert/ui/font_lists.h"

namespace quilm::ui {

ChangeFontDialog::ChangeFontDialog(FontConversionContext context, Editor& editor, Prompter& prompter, QWidget* parent)
    : QDialog(parent), context_(std::move(context)), editor_(editor), prompter_(prompter) {
  setObjectName("ChangeFont");
  setWindowTitle("Change Font");
  setModal(false);
  source_ = font_list(this, "SourceFont", context_.fonts.font_dropdown_names({.automatic_detection = true}));
  destination_ = font_list(this, "DestinationFont", context_.fonts.font_dropdown_names({.unicode = true}));
  // Legacy fonts keep the digits 0-9 as ASCII; converted into Unicode they
  // may stay so or become the Gurmukhi numerals.
  gurmukhi_digits_ = new QCheckBox("Digits as Gurmukhi numerals", this);
  gurmukhi_digits_->setObjectName("GurmukhiDigits");
  convert_ = new QPushButton("&Convert", this);
  convert_->setObjectName("ConvertButton");
  auto* cancel = new QPushButton("Cancel", this);
  cancel->setObjectName("CancelButton");

  auto* grid = new QGridLayout(this);
  add_labelled_row(grid, 0, "Source Font", source_);
  add_labelled_row(grid, 1, "Destination Font", destination_);
  grid->addWidget(gurmukhi_digits_, 2, 1);
  grid->addWidget(convert_, 3, 0);
  grid->addWidget(cancel, 3, 1);
  connect(destination_, &QComboBox::currentTextChanged, this, [this](const QString& name) {
    gurmukhi_digits_->setEnabled(name == QString::fromUtf8(kUnicodeChoice.data(), kUnicodeChoice.size()));
  });
  connect(convert_, &QPushButton::clicked, this, &ChangeFontDialog::ConvertClick);
  connect(cancel, &QPushButton::clicked, this, &ChangeFontDialog::CancelClick);
}

void ChangeFontDialog::showEvent(QShowEvent* event) {
  destination_->setCurrentText("Quilm2010");
  gurmukhi_digits_->setChecked(false);
  gurmukhi_digits_->setEnabled(false);
  source_->setCurrentText(QString::fromUtf8(kAutomaticDetection.data(), kAutomaticDetection.size()));
  QDialog::showEvent(event);
}

void ChangeFontDialog::ConvertClick() {
  convert_->setToolTip("Converting Font");
  QApplication::setOverrideCursor(Qt::WaitCursor);
  const FontConverter converter(context_.conversion);
  const ChangeFontChoice choice{source_->currentText().toStdString(), destination_->currentText().toStdString(),
                                gurmukhi_digits_->isEnabled() && gurmukhi_digits_->isChecked()};
  DocumentContext document = context_.document(editor_, converter, prompter_);
  ChangeFont(document, choice, context_.last_word_font_index);
  QApplication::restoreOverrideCursor();
  close();
}

void ChangeFontDialog::CancelClick() {
  prompter_.progress_end();
  close();
}

}  // namespace quilm::ui
