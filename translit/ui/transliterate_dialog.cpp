#include "translit/ui/transliterate_dialog.h"

#include <QApplication>
#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "translit/window_files.h"

namespace quilm::ui {

TransliterateDialog::TransliterateDialog(FontConversionContext context, Editor& editor, Prompter& prompter,
                                         FileDialogs& dialogs, QWidget* parent)
    : QDialog(parent), context_(std::move(context)), editor_(editor), prompter_(prompter), dialogs_(dialogs) {
  setObjectName("TTransPH");
  setWindowTitle("Transliterate");
  setModal(false);
  auto* group = new QGroupBox("Select Hindi Output File Format", this);
  auto* items = new QVBoxLayout(group);
  outputs_ = new QButtonGroup(this);
  const char* captions[] = {
      "ISCII                                 (Saved in new file)",
      "Unicode                           (Saved in new file)",
      "Kruti Dev Font Encoded   (Warning !!! Text changed in current file)",
      "Chanakya Font Encoded  (Warning !!! Text changed in current file)",
  };
  for (int i = 0; i < 4; ++i) {
    auto* item = new QRadioButton(captions[i], group);
    outputs_->addButton(item, i);
    items->addWidget(item);
  }
  outputs_->button(static_cast<int>(HindiOutput::Unicode))->setChecked(true);

  auto* convert = new QPushButton("&Convert", this);
  convert->setObjectName("ConvertButton");
  auto* cancel = new QPushButton("Cancel", this);
  cancel->setObjectName("CancelButton");
  connect(convert, &QPushButton::clicked, this, &TransliterateDialog::Button1Click);
  connect(cancel, &QPushButton::clicked, this, &QDialog::close);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(convert);
  buttons->addWidget(cancel);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(group);
  layout->addLayout(buttons);
}

void TransliterateDialog::Button1Click() {
  QApplication::setOverrideCursor(Qt::WaitCursor);
  const FontConverter converter(context_.conversion);
  DocumentContext document = context_.document(editor_, converter, prompter_);
  const bool done = ConvertToHindi(document, static_cast<HindiOutput>(outputs_->checkedId()),
                                   windowTitle().toStdString(), dialogs_, context_.last_word_font_index);
  QApplication::restoreOverrideCursor();
  if (done) close();
}

}  // namespace quilm::ui
