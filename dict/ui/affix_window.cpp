#include "dict/ui/affix_window.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "dict/font_text.h"
#include "dict/gurmukhi_text.h"
#include "tables/open_table_file.h"

namespace quilm::ui {
namespace {

QString qt(const std::string& utf8) { return QString::fromStdString(utf8); }

}  // namespace

TAffixWindow::TAffixWindow(Editor& editor, const FontRegistry& registry, ConversionContext& conversion,
                           Prompter& prompter, const std::filesystem::path& data_folder, MeaningText punjabi_font,
                           QWidget* parent)
    : QWidget(parent, Qt::Tool),
      editor_(editor),
      registry_(registry),
      converter_(conversion),
      punjabi_font_(std::move(punjabi_font)) {
  if (const Status opened = open_table_file(wordlist_, data_folder / "wordlist1a.dbf"); !opened)
    prompter.error(opened.message());
  build();
}

void TAffixWindow::build() {
  setWindowTitle("Prefix and Suffix Lists");
  input_ = new QLineEdit(this);
  list_ = new QListWidget(this);
  suffix_ = new QPushButton("Display Suffix List", this);
  prefix_ = new QPushButton("Display Prefix List", this);
  paste_ = new QPushButton("Paste", this);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(suffix_);
  buttons->addWidget(prefix_);
  buttons->addWidget(paste_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel("Enter Text", this));
  layout->addWidget(input_);
  layout->addLayout(buttons);
  layout->addWidget(list_);
  connect(input_, &QLineEdit::textChanged, this, [this] { box_changed(); });
  connect(prefix_, &QPushButton::clicked, this, &TAffixWindow::DisplayPrefixClick);
  connect(suffix_, &QPushButton::clicked, this, &TAffixWindow::DisplaySuffixClick);
  connect(paste_, &QPushButton::clicked, this, &TAffixWindow::PasteClick);
  connect(list_, &QListWidget::itemDoubleClicked, this, [this] { PasteClick(); });
  box_changed();
}

void TAffixWindow::ShowAffixes() {
  const FontText selection_font = FontText::of(editor_.Format().font_name, registry_);
  const Bytes pivot = selection_font.to_pivot(editor_.SelText(), converter_);
  input_->setText(QString::fromStdU16String(FontText::unicode().from_pivot(pivot, converter_)));
  box_changed();
  show();
  input_->setFocus();
}

// The display buttons work while the box holds text; a new text empties
// the list, which a display button fills again.
void TAffixWindow::box_changed() {
  const bool text = !input_->text().isEmpty();
  prefix_->setEnabled(text);
  suffix_->setEnabled(text);
  list_->clear();
  words_.clear();
  paste_->setEnabled(false);
}

void TAffixWindow::DisplayPrefixClick() { display(AffixSide::Prefix); }
void TAffixWindow::DisplaySuffixClick() { display(AffixSide::Suffix); }

void TAffixWindow::display(AffixSide side) {
  list_->clear();
  words_.clear();
  const std::optional<Bytes> text = dictionary_bytes_of_utf8(input_->text().toStdString(), converter_);
  if (wordlist_.Active() && text) words_ = affix_list(wordlist_, *text, side);
  for (const Bytes& word : words_) list_->addItem(qt(utf8_of_dictionary_bytes(word, converter_)));
  paste_->setEnabled(!words_.empty());
  if (!words_.empty()) list_->setCurrentRow(0);
}

void TAffixWindow::PasteClick() {
  const int row = list_->currentRow();
  if (row < 0 || row >= static_cast<int>(words_.size())) return;
  insert_meaning(editor_, meaning_of_glyphs(words_[static_cast<std::size_t>(row)], punjabi_font_, registry_, converter_));
}

}  // namespace quilm::ui
