#include "roman/ui/add_word_window.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "encoding/unicode_input.h"
#include "fonts/conversion.h"
#include "roman/roman_dictionary.h"
#include "roman/roman_word_entry.h"
#include "tables/sqlite_table.h"

namespace quilm::ui {

TAddWord::TAddWord(std::filesystem::path data_folder, const FontRegistry& fonts, ConversionContext& conversion,
                   Prompter& prompter, QWidget* parent)
    : QDialog(parent), data_folder_(std::move(data_folder)), fonts_(fonts), conversion_(conversion), prompter_(prompter) {
  setObjectName("TAddWord");
  setWindowTitle("Add Word");
  auto* column = new QVBoxLayout(this);
  auto* form = new QFormLayout();
  Edit1 = new QLineEdit(this);
  Edit1->setObjectName("Edit1");
  Edit2 = new QLineEdit(this);
  Edit2->setObjectName("Edit2");
  form->addRow("Word in Roman Script", Edit1);
  form->addRow("Word in Gurmukhi Script ", Edit2);
  column->addLayout(form);
  auto* buttons = new QHBoxLayout();
  Button1 = new QPushButton("&Add ", this);
  Button1->setObjectName("Button1");
  Button1->setDefault(true);
  BitBtn1 = new QPushButton("Close", this);
  BitBtn1->setObjectName("BitBtn1");
  buttons->addWidget(Button1);
  buttons->addWidget(BitBtn1);
  column->addLayout(buttons);
  connect(Edit1, &QLineEdit::textChanged, this, &TAddWord::Edit1Change);
  connect(Button1, &QPushButton::clicked, this, &TAddWord::Button1Click);
  connect(BitBtn1, &QPushButton::clicked, this, &QDialog::close);
  Edit1Change();
}

void TAddWord::prepare(const std::string& editor_font, const std::string& punjabi_default,
                       const std::u16string& selection) {
  Edit1->clear();
  Edit2->clear();
  QFont font = Edit2->font();
  font.setFamily(QString::fromStdString(fonts_.check_font_punjabi(editor_font) ? editor_font : punjabi_default));
  Edit2->setFont(font);
  const std::u16string source = preset_.empty() ? selection : std::u16string(preset_.begin(), preset_.end());
  preset_.clear();
  Edit1->setText(QString::fromStdString(first_roman_letters(source)));
  Edit2->setFocus();
  Edit1Change();
}

void TAddWord::Edit1Change() { Button1->setEnabled(!Edit1->text().isEmpty()); }

void TAddWord::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    close();
    return;
  }
  QDialog::keyPressEvent(event);
}

void TAddWord::Button1Click() {
  const std::string font = Edit2->font().family().toStdString();
  const std::u16string text = Edit2->text().toStdU16String();
  Bytes pivot;
  if (fonts_.check_font_punjabi(font)) {
    const FontConverter converter(conversion_);
    Bytes glyphs;
    for (char16_t c : text) glyphs.push_back(static_cast<char>(c));
    pivot = converter.conversion(glyphs, fonts_.get_font_index(font), 9, false);
  } else {
    pivot = UniCodetoGur(text);
  }
  // The shipped dictionary is only searched; without it the pair is still
  // added among the user's own.
  SqliteTable table;
  const bool shipped = table.SetTableName((data_folder_ / std::string(kRomanDictionaryFile)).string()) &&
                       table.Open() && table.SetIndexName("ROMAN");
  AddWordResult result = AddWordResult::Nothing;
  const Status st = add_roman_word(shipped ? &table : nullptr, data_folder_, Edit1->text().toStdString(), pivot, &result);
  if (!st) {
    prompter_.error(st.message());
    return;
  }
  if (result == AddWordResult::AlreadyPresent) prompter_.message(std::string(kWordAlreadyPresent));
}

}  // namespace quilm::ui
