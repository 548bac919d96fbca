#include "roman/ui/typing_pad_window.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QKeyEvent>
#include <QTextBlock>
#include <QVBoxLayout>

#include "encoding/utf16.h"
#include "roman/pad_paste.h"
#include "roman/user_roman_words.h"

namespace quilm::ui {
namespace {

QPushButton* add_button(QBoxLayout* row, const char* caption, const char* name, QWidget* parent) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(name);
  row->addWidget(button);
  return button;
}

QString qt(const std::u16string& text) { return QString::fromStdU16String(text); }

}  // namespace

TPunjabiType::TPunjabiType(TypingPadContext context, QWidget* parent)
    : QWidget(parent, Qt::Window),
      context_(std::move(context)),
      converter_(context_.conversion),
      data_(std::make_unique<RomanData>()),
      pad_(std::make_unique<TypingPad>(*data_)) {
  options_ = {context_.english_font_size, context_.punjabi_font_size, true};
  build();
  if (parent != nullptr) parent->window()->installEventFilter(this);
}

TPunjabiType::~TPunjabiType() = default;

void TPunjabiType::build() {
  setWindowTitle("Punjabi Typing Pad");
  setObjectName("PunjabiType");
  auto* layout = new QVBoxLayout(this);
  auto* panes = new QHBoxLayout;
  RichEdit1 = new QPlainTextEdit(this);
  RichEdit1->setObjectName("RichEdit1");
  RichEdit2 = new QPlainTextEdit(this);
  RichEdit2->setObjectName("RichEdit2");
  RichEdit2->setReadOnly(true);
  RichEdit2->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  Alt = new QListWidget(this);
  Alt->setObjectName("Alt");
  Alt->setFixedWidth(32);
  SuggestionBox = new QListWidget(this);
  SuggestionBox->setObjectName("SuggestionBox");
  SuggestionBox->setFixedWidth(160);
  panes->addWidget(RichEdit1, 1);
  panes->addWidget(RichEdit2, 1);
  panes->addWidget(Alt);
  panes->addWidget(SuggestionBox);
  layout->addLayout(panes, 1);
  auto* buttons = new QHBoxLayout;
  connect(add_button(buttons, "&ReTransliterate", "ReTransliterate", this), &QPushButton::clicked, this,
          &TPunjabiType::ReTransliterateClick);
  connect(add_button(buttons, "&Paste Gurmukhi Text ", "PasteGurmukhi", this), &QPushButton::clicked, this,
          &TPunjabiType::PasteClick);
  connect(add_button(buttons, "&Add Word to Database", "AddWord", this), &QPushButton::clicked, this,
          &TPunjabiType::AddWordClick);
  connect(add_button(buttons, "&Options...", "Options", this), &QPushButton::clicked, this,
          &TPunjabiType::OptionsClick);
  connect(add_button(buttons, "&Instructions", "Instructions", this), &QPushButton::clicked, this,
          &TPunjabiType::InstructionsClick);
  connect(add_button(buttons, "C&lose", "Close", this), &QPushButton::clicked, this, &QWidget::close);
  layout->addLayout(buttons);
  ApplyOptions(options_);

  connect(RichEdit1, &QPlainTextEdit::textChanged, this, &TPunjabiType::roman_changed);
  connect(RichEdit1, &QPlainTextEdit::cursorPositionChanged, this, &TPunjabiType::roman_changed);
  connect(RichEdit2, &QPlainTextEdit::cursorPositionChanged, this, &TPunjabiType::gurmukhi_clicked);
  const auto choose_row = [this](QListWidgetItem* item) { ChooseAlternative(item->listWidget()->row(item) + 1); };
  connect(Alt, &QListWidget::itemClicked, this, choose_row);
  connect(SuggestionBox, &QListWidget::itemClicked, this, choose_row);
  connect(SuggestionBox, &QListWidget::itemDoubleClicked, this, choose_row);
  RichEdit1->installEventFilter(this);  // Alt+1 to Alt+9 and Esc
  resize(760, 320);
}

QPushButton* TPunjabiType::button(const char* object_name) const { return findChild<QPushButton*>(object_name); }

void TPunjabiType::load_data() {
  if (data_loaded_) return;
  data_loaded_ = true;
  std::vector<std::string> warnings;
  if (Status s = load_roman_data(context_.data_folder, data_.get(), &warnings); !s)
    context_.prompter.error(s.message() + "\nWords are spelled by the rules alone.");
  pad_->dictionaries_changed();
}

void TPunjabiType::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  load_data();
  empty_pads();
  RichEdit1->setFocus();
}

void TPunjabiType::closeEvent(QCloseEvent* event) {
  if (!pad_->gurmukhi().empty()) {
    switch (context_.prompter.ask_yes_no_cancel(kPasteQuestion)) {
      case Answer::Yes:
        if (!paste_into_document()) return event->ignore();
        break;
      case Answer::No: empty_pads(); break;
      case Answer::Cancel: return event->ignore();
    }
  }
  event->accept();
}

bool TPunjabiType::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::WindowActivate && watched != this && watched != RichEdit1) ForgetRecentChoices();
  if (watched == RichEdit1 && event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Escape) {
      close();
      return true;
    }
    if ((key->modifiers() & Qt::AltModifier) && key->key() >= Qt::Key_1 && key->key() <= Qt::Key_9) {
      ChooseAlternative(key->key() - Qt::Key_0);
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

void TPunjabiType::ForgetRecentChoices() { data_->recent.clear(); }

// Whatever changed the Roman pane (a key, a paste, a cut, a drop, an undo)
// or only moved its caret: the pad takes the new text or the selection.
void TPunjabiType::roman_changed() {
  if (syncing_) return;
  const QTextCursor cursor = RichEdit1->textCursor();
  const std::u16string text = RichEdit1->toPlainText().toStdU16String();
  if (text != pad_->roman()) {
    if (Status s = pad_->set_text(text, static_cast<std::size_t>(cursor.position())); !s) {
      context_.prompter.error(s.message());
      syncing_ = true;
      RichEdit1->setPlainText(qt(pad_->roman()));
      QTextCursor back = RichEdit1->textCursor();
      back.setPosition(static_cast<int>(pad_->caret()));
      RichEdit1->setTextCursor(back);
      syncing_ = false;
    }
  } else {
    pad_->select(static_cast<std::size_t>(cursor.anchor()), static_cast<std::size_t>(cursor.position()));
  }
  show_gurmukhi();
  show_alternatives();
}

// A click or an arrow key in the Gurmukhi pane selects the word there and
// its Roman text.
void TPunjabiType::gurmukhi_clicked() {
  if (syncing_) return;
  const std::optional<std::size_t> word =
      pad_->word_at_gurmukhi(static_cast<std::size_t>(RichEdit2->textCursor().position()));
  if (!word) return;
  const PadWordPlace place = pad_->places()[*word];
  QTextCursor roman = RichEdit1->textCursor();
  roman.setPosition(static_cast<int>(place.roman_start));
  roman.setPosition(static_cast<int>(place.roman_start + place.roman_length), QTextCursor::KeepAnchor);
  RichEdit1->setTextCursor(roman);
}

// The Gurmukhi pane takes only the part of the text that changed; the
// current word is marked and kept in view.
void TPunjabiType::show_gurmukhi() {
  const std::u16string now = pad_->gurmukhi();
  const PaneChange change = pane_change(shown_gurmukhi_, now);
  syncing_ = true;
  if (change.removed != 0 || !change.inserted.empty()) {
    QTextCursor edit(RichEdit2->document());
    edit.setPosition(static_cast<int>(change.at));
    edit.setPosition(static_cast<int>(change.at + change.removed), QTextCursor::KeepAnchor);
    edit.insertText(qt(change.inserted));
    shown_gurmukhi_ = now;
  }
  QList<QTextEdit::ExtraSelection> marks;
  if (const std::optional<std::size_t> current = pad_->current_word()) {
    const PadWordPlace place = pad_->places()[*current];
    QTextEdit::ExtraSelection mark;
    mark.cursor = QTextCursor(RichEdit2->document());
    mark.cursor.setPosition(static_cast<int>(place.gurmukhi_start));
    mark.cursor.setPosition(static_cast<int>(place.gurmukhi_start + place.gurmukhi_length), QTextCursor::KeepAnchor);
    mark.format.setBackground(palette().highlight());
    mark.format.setForeground(palette().highlightedText());
    marks.push_back(mark);
    QTextCursor view = RichEdit2->textCursor();
    view.setPosition(static_cast<int>(place.gurmukhi_start));
    RichEdit2->setTextCursor(view);
    RichEdit2->ensureCursorVisible();
  }
  RichEdit2->setExtraSelections(marks);
  syncing_ = false;
}

void TPunjabiType::show_alternatives() {
  Alt->clear();
  SuggestionBox->clear();
  const std::vector<std::u16string> alternatives = pad_->alternatives();
  for (std::size_t i = 0; i < alternatives.size(); ++i) {
    Alt->addItem(QString::number(i + 1));
    SuggestionBox->addItem(qt(alternatives[i]));
  }
  if (!alternatives.empty()) {
    Alt->setCurrentRow(0);
    SuggestionBox->setCurrentRow(0);
  }
}

void TPunjabiType::ChooseAlternative(int number) {
  if (number < 1 || !pad_->choose(static_cast<std::size_t>(number))) return;
  show_gurmukhi();
  show_alternatives();
  RichEdit1->setFocus();
}

void TPunjabiType::ReTransliterateClick() {
  pad_->retransliterate();
  show_gurmukhi();
  show_alternatives();
  RichEdit1->setFocus();
}

bool TPunjabiType::paste_into_document() {
  if (Status s = paste_pad_text(*pad_, context_.editor, context_.punjabi_font, context_.fonts, converter_); !s) {
    context_.prompter.message(s.message());
    return false;
  }
  empty_pads();
  return true;
}

void TPunjabiType::PasteClick() {
  context_.conversion.typing = false;
  paste_into_document();
  RichEdit1->setFocus();
}

void TPunjabiType::empty_pads() {
  syncing_ = true;
  RichEdit1->clear();
  RichEdit2->clear();
  syncing_ = false;
  shown_gurmukhi_.clear();
  pad_->clear();
  show_gurmukhi();
  show_alternatives();
}

void TPunjabiType::AddWordClick() {
  QString roman, gurmukhi;
  if (const std::optional<std::size_t> current = pad_->current_word()) {
    roman = QString::fromStdString(pad_->words()[*current].roman);
    gurmukhi = qt(pad_->words()[*current].shown);
  }
  AddRomanWordDialog dialog(roman, gurmukhi, this);
  if (dialog.exec() == QDialog::Accepted) AddWord(dialog.roman(), dialog.gurmukhi());
  RichEdit1->setFocus();
}

void TPunjabiType::AddWord(const QString& roman, const QString& gurmukhi) {
  AddedWord outcome = AddedWord::Added;
  const QByteArray gurmukhi_utf8 = gurmukhi.toUtf8();
  if (Status s = add_user_roman_word(context_.data_folder, roman.toStdString(), gurmukhi_utf8.toStdString(),
                                     &data_->dictionaries.punjabi, &outcome);
      !s) {
    context_.prompter.error(s.message());
    return;
  }
  if (outcome == AddedWord::AlreadyThere) context_.prompter.message("The word is already in the database.");
  pad_->dictionaries_changed();
  show_gurmukhi();
  show_alternatives();
}

void TPunjabiType::OptionsClick() {
  TRtoGOptions dialog(options_, this);
  if (dialog.exec() == QDialog::Accepted) ApplyOptions(dialog.options());
  RichEdit1->setFocus();
}

void TPunjabiType::ApplyOptions(const PadOptions& options) {
  options_ = options;
  QFont roman = RichEdit1->font();
  if (!context_.english_font.empty()) roman.setFamily(QString::fromStdString(context_.english_font));
  roman.setPointSize(options.roman_font_size);
  RichEdit1->setFont(roman);
  QFont gurmukhi = RichEdit2->font();
  gurmukhi.setPointSize(options.gurmukhi_font_size);
  RichEdit2->setFont(gurmukhi);
  SuggestionBox->setFont(gurmukhi);
  Alt->setFont(gurmukhi);  // each number beside its spelling
  if (pad_->ignore_case() != options.ignore_case) {
    pad_->set_ignore_case(options.ignore_case);
    show_gurmukhi();
    show_alternatives();
  }
}

void TPunjabiType::InstructionsClick() {
  const std::filesystem::path page = context_.data_folder / kPadInstructionsFile;
  if (!std::filesystem::exists(page)) {
    context_.prompter.error("The instructions are missing: " + page.string());
    return;
  }
  PadInstructions dialog(page, this);
  dialog.exec();
  RichEdit1->setFocus();
}

}  // namespace quilm::ui
