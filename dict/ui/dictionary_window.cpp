#include "dict/ui/dictionary_window.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "dict/font_text.h"
#include "dict/gurmukhi_text.h"
#include "dict/selected_word.h"
#include "tables/open_table_file.h"
#include "dict/find_replace.h"

namespace quilm::ui {
namespace {

constexpr int kListRows = 15;       // headwords shown around the entry
constexpr int kLongestSelection = 20;  // a longer editor selection is no word to replace

bool punjabi(DictionaryDirection d) { return d == DictionaryDirection::PunjabiEnglish; }

QString qt(const std::string& utf8) { return QString::fromStdString(utf8); }

}  // namespace

TDictionaryWindow::TDictionaryWindow(DictionaryDirection direction, Editor& editor, const FontRegistry& registry,
                                     ConversionContext& conversion, Prompter& prompter,
                                     const std::filesystem::path& data_folder, MeaningText meaning_font,
                                     QWidget* parent)
    : QWidget(parent, Qt::Tool),
      direction_(direction),
      editor_(editor),
      registry_(registry),
      converter_(conversion),
      prompter_(prompter),
      meaning_font_(std::move(meaning_font)) {
  const char* file = punjabi(direction) ? "pbi_to_eng.DBF" : "EngPbi.DBF";
  if (const Status opened = open_table_file(dictionary_, data_folder / file, punjabi(direction) ? "SORTWORD" : "WORD");
      !opened)
    prompter_.error(opened.message());
  have_roots_ = punjabi(direction) && open_table_file(roots_, data_folder / "wordroot1.DB", "SORTWORD");
  build();
}

void TDictionaryWindow::build() {
  setWindowTitle(punjabi(direction_) ? "Punjabi English Dictionary" : "English-Punjabi Dictionary");
  input_ = new QLineEdit(this);
  list_ = new QListWidget(this);
  memo_ = new QPlainTextEdit(this);
  memo_->setReadOnly(true);
  replace_ = new QPushButton("&Replace", this);
  replace_all_ = new QPushButton("Replace &All", this);
  auto* close = new QPushButton("&Close", this);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(replace_);
  buttons->addWidget(replace_all_);
  buttons->addWidget(close);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(input_);
  layout->addWidget(list_);
  layout->addWidget(memo_);
  layout->addLayout(buttons);
  connect(input_, &QLineEdit::textChanged, this, [this] { look_up(); });
  connect(memo_, &QPlainTextEdit::cursorPositionChanged, this,
          [this] { ChooseMeaning(memo_->textCursor().position()); });
  connect(replace_, &QPushButton::clicked, this, &TDictionaryWindow::ReplaceClick);
  connect(replace_all_, &QPushButton::clicked, this, &TDictionaryWindow::ReplaceAllClick);
  connect(close, &QPushButton::clicked, this, &QWidget::close);
  update_buttons();
}

void TDictionaryWindow::ShowDictionary() {
  const std::u16string selected = editor_.SelText();
  const SelectedWord word =
      punjabi(direction_)
          ? punjabi_word_in(selected, FontText::of(editor_.Format().font_name, registry_), converter_)
          : english_word_in(selected);
  if (word.length > 0) {
    editor_.SetSelStart(editor_.SelStart() + static_cast<int>(word.start));
    editor_.SetSelLength(static_cast<int>(word.length));
  }
  input_->setText(QString::fromStdU16String(word.unicode));
  show();
  input_->setFocus();
}

void TDictionaryWindow::look_up() {
  const std::string text = input_->text().toStdString();
  if (!dictionary_.Active()) return;
  if (punjabi(direction_)) {
    const std::optional<Bytes> word = dictionary_bytes_of_utf8(text, converter_);
    result_ = look_up_punjabi(word.value_or(Bytes()), dictionary_, have_roots_ ? &roots_ : nullptr, converter_);
  } else {
    result_ = look_up_english(text, dictionary_);
  }
  QPalette palette = input_->palette();
  palette.setColor(QPalette::Text, result_ == LookupResult::Nearest ? Qt::red : Qt::blue);
  input_->setPalette(palette);
  show_entry();
}

void TDictionaryWindow::show_entry() {
  const char* meaning_field = punjabi(direction_) ? "MEANING" : "Meaning";
  const Bytes meaning = dictionary_.FieldByName(meaning_field).as_text();
  memo_->blockSignals(true);
  memo_->setPlainText(qt(punjabi(direction_) ? meaning : utf8_of_dictionary_bytes(meaning, converter_)));
  memo_->blockSignals(false);
  list_->clear();
  const char* key_field = punjabi(direction_) ? "SORTWORD" : "WORD";
  const Bytes key = dictionary_.FieldByName(key_field).as_text();
  dictionary_.MoveBy(-kListRows / 2);
  for (int row = 0; row < kListRows && !dictionary_.Eof(); ++row, dictionary_.Next()) {
    const Bytes word = dictionary_.FieldByName("WORD").as_text();
    list_->addItem(qt(punjabi(direction_) ? utf8_of_dictionary_bytes(word, converter_) : word) + "\t" +
                   qt(dictionary_.FieldByName("TYPE").as_text()));
  }
  dictionary_.FindNearest({FieldValue(key)});  // back on the entry
  chosen_.clear();
  update_buttons();
}

void TDictionaryWindow::ChooseMeaning(int position) {
  chosen_ = phrase_around(memo_->toPlainText().toStdU16String(), static_cast<std::size_t>(position));
  update_buttons();
}

void TDictionaryWindow::update_buttons() {
  const bool chosen = !chosen_.empty() && editor_.SelLength() < kLongestSelection;
  replace_->setEnabled(chosen);
  replace_all_->setEnabled(chosen && editor_.SelLength() > 0);
}

MeaningText TDictionaryWindow::chosen_meaning() const {
  MeaningText meaning = meaning_font_;
  if (punjabi(direction_)) {
    meaning.text = trimmed_meaning(chosen_, u",;");
  } else {
    const std::u16string trimmed = trimmed_meaning(chosen_, u",");
    const std::optional<Bytes> glyphs = dictionary_bytes_of_utf8(QString::fromStdU16String(trimmed).toStdString(), converter_);
    meaning = meaning_of_glyphs(glyphs.value_or(Bytes()), meaning_font_, registry_, converter_);
  }
  return meaning;
}

void TDictionaryWindow::ReplaceClick() {
  if (chosen_.empty()) return;
  insert_meaning(editor_, chosen_meaning());
  chosen_.clear();
  update_buttons();
}

void TDictionaryWindow::ReplaceAllClick() {
  if (chosen_.empty() || editor_.SelLength() == 0) return;
  if (!prompter_.ask_yes_no(std::string(kReplaceAllQuestion))) return;
  const std::u16string word = editor_.SelText();
  const std::string font = editor_.Format().font_name;
  insert_meaning_everywhere(editor_, word, font, chosen_meaning(), registry_);
  chosen_.clear();
  update_buttons();
}

}  // namespace quilm::ui
