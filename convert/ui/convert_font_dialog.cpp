#include "convert/ui/convert_font_dialog.h"

#include <QComboBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>

#include "convert/ui/font_lists.h"

namespace quilm::ui {
namespace {

// What both "Browse..." buttons ask of the file dialogs.
FileDialogRequest browse_request(bool must_exist) {
  FileDialogRequest request;
  request.filter = kConvertFontFilter;
  request.must_exist = must_exist;
  return request;
}

QString text_of(const std::filesystem::path& path) { return QString::fromStdString(path.string()); }

QLineEdit* file_box(QWidget* parent, const char* object_name) {
  auto* box = new QLineEdit(parent);
  box->setObjectName(object_name);
  return box;
}

QPushButton* browse_button(QWidget* parent, const char* object_name) {
  auto* button = new QPushButton("Browse...", parent);
  button->setObjectName(object_name);
  return button;
}

std::filesystem::path path_of(const QLineEdit* box) { return box->text().toStdString(); }

}  // namespace

ConvertFontDialog::ConvertFontDialog(const FontConversionContext& context, Prompter& prompter,
                                     FileDialogs& file_dialogs, QWidget* parent)
    : QDialog(parent),
      prompter_(prompter),
      file_dialogs_(file_dialogs),
      converter_(context.conversion),
      conversion_(context.fonts, converter_, prompter) {
  setObjectName("ConvertFont");
  setWindowTitle("Convert Font");
  setModal(false);
  source_font_ = font_list(this, "SourceFont", file_conversion_source_fonts(context.fonts));
  destination_font_ = font_list(this, "DestinationFont", context.fonts.font_dropdown_names());
  source_file_ = file_box(this, "SourceFile");
  destination_file_ = file_box(this, "DestinationFile");
  auto* source_browse = browse_button(this, "SourceBrowse");
  auto* destination_browse = browse_button(this, "DestinationBrowse");
  convert_ = new QPushButton("&Convert", this);
  convert_->setObjectName("ConvertButton");
  auto* cancel = new QPushButton("Cancel", this);
  cancel->setObjectName("CancelButton");

  auto* grid = new QGridLayout(this);
  add_labelled_row(grid, 0, "Source Font", source_font_, 2);
  add_labelled_row(grid, 1, "Destination Font", destination_font_, 2);
  add_labelled_row(grid, 2, "Source File", source_file_);
  grid->addWidget(source_browse, 2, 2);
  add_labelled_row(grid, 3, "Destination File ", destination_file_);
  grid->addWidget(destination_browse, 3, 2);
  grid->addWidget(convert_, 4, 1);
  grid->addWidget(cancel, 4, 2);

  connect(source_browse, &QPushButton::clicked, this, &ConvertFontDialog::SourceBrowseClick);
  connect(destination_browse, &QPushButton::clicked, this, &ConvertFontDialog::DestinationBrowseClick);
  connect(convert_, &QPushButton::clicked, this, &ConvertFontDialog::ConvertClick);
  connect(cancel, &QPushButton::clicked, this, &QDialog::close);
  connect(source_file_, &QLineEdit::textChanged, this, &ConvertFontDialog::refreshConvertButton);
  connect(destination_file_, &QLineEdit::textChanged, this, &ConvertFontDialog::refreshConvertButton);
  refreshConvertButton();
}

void ConvertFontDialog::showEvent(QShowEvent* event) {
  conversion_.Activate();
  destination_font_->setCurrentText("Quilm2010");
  source_font_->setCurrentText(QString::fromUtf8(kAutomaticDetection.data(), kAutomaticDetection.size()));
  refreshConvertButton();
  QDialog::showEvent(event);
}

void ConvertFontDialog::refreshConvertButton() {
  const QString source = source_file_->text();
  convert_->setEnabled(!source.isEmpty() && QFileInfo(source).isFile() && !destination_file_->text().isEmpty());
}

void ConvertFontDialog::SourceBrowseClick() {
  const std::optional<FileChoice> choice = file_dialogs_.open(browse_request(true));
  if (!choice) return;
  conversion_.LoadSource(choice->path);
  source_file_->setText(text_of(choice->path));
  destination_file_->setText(text_of(choice->path));
}

// A file that exists is taken only when the user agrees to replace it.
void ConvertFontDialog::DestinationBrowseClick() {
  const std::optional<FileChoice> choice = file_dialogs_.save(browse_request(false));
  if (!choice || !may_replace(choice->path, prompter_)) return;
  conversion_.ChooseDestination(choice->path);
  destination_file_->setText(text_of(choice->path));
}

void ConvertFontDialog::ConvertClick() {
  const FileConversionChoice choice{path_of(source_file_), path_of(destination_file_),
                                    source_font_->currentText().toStdString(),
                                    destination_font_->currentText().toStdString()};
  if (conversion_.Convert(choice) == FontConversionResult::Converted) close();
}

}  // namespace quilm::ui
