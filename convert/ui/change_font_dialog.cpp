#include "convert/ui/change_font_dialog.h"

#include <QApplication>
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
  convert_ = new QPushButton("&Convert", this);
  convert_->setObjectName("ConvertButton");
  auto* cancel = new QPushButton("Cancel", this);
  cancel->setObjectName("CancelButton");

  auto* grid = new QGridLayout(this);
  add_labelled_row(grid, 0, "Source Font", source_);
  add_labelled_row(grid, 1, "Destination Font", destination_);
  grid->addWidget(convert_, 2, 0);
  grid->addWidget(cancel, 2, 1);
  connect(convert_, &QPushButton::clicked, this, &ChangeFontDialog::ConvertClick);
  connect(cancel, &QPushButton::clicked, this, &ChangeFontDialog::CancelClick);
}

void ChangeFontDialog::showEvent(QShowEvent* event) {
  destination_->setCurrentText("Quilm2010");
  source_->setCurrentText(QString::fromUtf8(kAutomaticDetection.data(), kAutomaticDetection.size()));
  QDialog::showEvent(event);
}

void ChangeFontDialog::ConvertClick() {
  convert_->setToolTip("Converting Font");
  QApplication::setOverrideCursor(Qt::WaitCursor);
  const FontConverter converter(context_.conversion);
  const ChangeFontChoice choice{source_->currentText().toStdString(), destination_->currentText().toStdString()};
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
