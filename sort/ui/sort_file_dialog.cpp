#include "sort/ui/sort_file_dialog.h"

#include <QComboBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "convert/ui/font_lists.h"
#include "sort/sort_file.h"

namespace quilm::ui {
namespace {

constexpr const char* kSortFileFilter = "Text files (*.txt)|*.txt|All files (*.*)|*.*";

FileDialogRequest browse_request(bool must_exist) {
  FileDialogRequest request;
  request.filter = kSortFileFilter;
  request.must_exist = must_exist;
  return request;
}

QString text_of(const std::filesystem::path& path) { return QString::fromStdString(path.string()); }
std::filesystem::path path_of(const QLineEdit* box) { return box->text().toStdString(); }

}  // namespace

SortFileDialog::SortFileDialog(const FontRegistry& fonts, Prompter& prompter, FileDialogs& dialogs, QWidget* parent)
    : QDialog(parent), fonts_(fonts), prompter_(prompter), dialogs_(dialogs) {
  setObjectName("TSortFile");
  setWindowTitle("Sort File");
  source_ = new QLineEdit(this);
  source_->setObjectName("SourceFile");
  target_ = new QLineEdit(this);
  target_->setObjectName("TargetFile");
  std::vector<std::string> names{"", std::string(kUnicodeChoice)};
  for (const std::string& n : fonts.font_dropdown_names()) names.push_back(n);
  font_ = quilm::ui::font_list(this, "PunjabiFontUsed", names);
  auto* order = new QGroupBox("Sorting Order", this);
  auto* ascending = new QRadioButton("Ascending", order);
  ascending->setChecked(true);
  descending_ = new QRadioButton("Descending", order);
  auto* order_layout = new QVBoxLayout(order);
  order_layout->addWidget(ascending);
  order_layout->addWidget(descending_);
  auto* source_browse = new QPushButton("Browse...", this);
  source_browse->setObjectName("SourceBrowse");
  auto* target_browse = new QPushButton("Browse...", this);
  target_browse->setObjectName("TargetBrowse");
  sort_ = new QPushButton("&Sort", this);
  sort_->setObjectName("SortButton");
  auto* cancel = new QPushButton("Cancel", this);

  auto* grid = new QGridLayout(this);
  add_labelled_row(grid, 0, "Source File", source_);
  grid->addWidget(source_browse, 0, 2);
  add_labelled_row(grid, 1, "Target File ", target_);
  grid->addWidget(target_browse, 1, 2);
  add_labelled_row(grid, 2, "Punjabi Font Used", font_, 2);
  grid->addWidget(order, 3, 1);
  grid->addWidget(sort_, 4, 1);
  grid->addWidget(cancel, 4, 2);

  connect(source_browse, &QPushButton::clicked, this, &SortFileDialog::SourceBrowseClick);
  connect(target_browse, &QPushButton::clicked, this, &SortFileDialog::TargetBrowseClick);
  connect(sort_, &QPushButton::clicked, this, &SortFileDialog::SortClick);
  connect(cancel, &QPushButton::clicked, this, &QDialog::close);
  connect(source_, &QLineEdit::textChanged, this, &SortFileDialog::refreshSortButton);
  connect(target_, &QLineEdit::textChanged, this, &SortFileDialog::refreshSortButton);
  refreshSortButton();
}

void SortFileDialog::refreshSortButton() {
  sort_->setEnabled(QFileInfo(source_->text()).isFile() && !target_->text().isEmpty());
}

void SortFileDialog::SourceBrowseClick() {
  const std::optional<FileChoice> choice = dialogs_.open(browse_request(true));
  if (!choice) return;
  source_->setText(text_of(choice->path));
  target_->setText(text_of(default_sort_target(choice->path)));
}

void SortFileDialog::TargetBrowseClick() {
  const std::optional<FileChoice> choice = dialogs_.save(browse_request(false));
  if (choice) target_->setText(text_of(choice->path));
}

void SortFileDialog::SortClick() {
  if (!sort_->isEnabled()) return;
  SortFileChoice choice;
  choice.source = path_of(source_);
  choice.target = path_of(target_);
  const std::string font = font_->currentText().toStdString();
  choice.unicode = font == kUnicodeChoice;
  choice.font_index = font.empty() || choice.unicode ? 30 : fonts_.get_font_index(font);
  choice.how.descending = descending_->isChecked();
  if (!may_replace(choice.target, prompter_)) return;
  prompter_.status_caption(kSortingCaption);
  prompter_.progress_start(100);
  ConversionContext context;
  const FontConverter converter(context);
  const Status sorted = sort_file(choice, converter);
  prompter_.progress_step(100);
  prompter_.progress_end();
  prompter_.status_caption("");
  if (!sorted.ok()) {
    prompter_.error(sorted.message());
    return;
  }
  close();
}

}  // namespace quilm::ui
