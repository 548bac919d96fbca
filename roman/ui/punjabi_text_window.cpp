#include "roman/ui/punjabi_text_window.h"

#include <QHBoxLayout>
#include <QMenu>
#include <QPushButton>
#include <QTextEdit>
#include <QVBoxLayout>
#include <string>
#include <vector>

#include "editors/ui/qt_editor.h"
#include "roman/punjabi_text.h"

namespace quilm::ui {
namespace {

// The editor's clipboard actions.
enum ClipAction { kCut = 1, kCopy = 2, kPaste = 3, kDelete = 4 };

}  // namespace

TRomanGurTransliterate::TRomanGurTransliterate(PunjabiTextContext context, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint),
      context_(std::move(context)),
      data_(std::make_unique<RomanData>()),
      output_(std::make_unique<QtEditor>()) {
  setObjectName("TRomanGurTransliterate");
  setWindowTitle("Punjabi Text");
  resize(460, 340);
  const FontRegistry& fonts = context_.fonts;
  output_->SetLegacyFonts([&fonts](const std::string& name) { return fonts.check_font_punjabi(name); });
  QTextEdit* text = output_->widget();
  text->setParent(this);
  text->setObjectName("PunjabiText");
  text->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(text, &QWidget::customContextMenuRequested, this, &TRomanGurTransliterate::showContextMenu);

  auto* buttons = new QHBoxLayout;
  const std::pair<const char*, const char*> captions[] = {
      {"Save", "BitBtn2"}, {"Transliterate", "BitBtn4"}, {"Add word ", "AddWord"}, {"Close", "Close"}};
  for (const auto& [caption, name] : captions) {
    auto* button = new QPushButton(caption, this);
    button->setObjectName(name);
    buttons->addWidget(button);
    if (std::string(name) == "BitBtn2") connect(button, &QPushButton::clicked, this, &TRomanGurTransliterate::SaveClick);
    if (std::string(name) == "BitBtn4")
      connect(button, &QPushButton::clicked, this, &TRomanGurTransliterate::TransliterateClick);
    if (std::string(name) == "AddWord")
      connect(button, &QPushButton::clicked, this, &TRomanGurTransliterate::addWordRequested);
    if (std::string(name) == "Close") connect(button, &QPushButton::clicked, this, &QWidget::close);
  }
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(text);
  layout->addLayout(buttons);
}

TRomanGurTransliterate::~TRomanGurTransliterate() = default;

Editor& TRomanGurTransliterate::output() const { return *output_; }
QTextEdit* TRomanGurTransliterate::text_box() const { return output_->widget(); }

void TRomanGurTransliterate::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  TransliterateClick();
}

// A missing Roman dictionary stops the window with a message; any other
// missing table only weakens the ranking, and is named once.
bool TRomanGurTransliterate::load_data() {
  if (data_loaded_) return true;
  std::vector<std::string> warnings;
  if (Status s = load_roman_data(context_.data_folder, data_.get(), &warnings); !s) {
    context_.prompter.error(s.message());
    data_ = std::make_unique<RomanData>();
    return false;
  }
  if (!warnings.empty()) {
    std::string text = "Some Roman data could not be read; the words are ranked without it:";
    for (const std::string& w : warnings) text += "\n" + w;
    context_.prompter.message(text);
  }
  data_loaded_ = true;
  return true;
}

void TRomanGurTransliterate::TransliterateClick() {
  if (!load_data()) {
    output_->Clear();
    return;
  }
  const PunjabiTextTools tools{*data_, context_.fonts, context_.conversion, context_.prompter};
  transliterate_roman_document(context_.editor, *output_, tools);
}

void TRomanGurTransliterate::SaveClick() { SavePunjabiText(*output_, context_.dialogs, context_.prompter); }

void TRomanGurTransliterate::showContextMenu(const QPoint& at) {
  QMenu menu(this);
  const bool selected = output_->SelLength() > 0;
  const std::pair<const char*, int> items[] = {{"Cut", kCut}, {"Copy", kCopy}, {"Paste", kPaste}, {"Delete", kDelete}};
  for (const auto& [caption, action] : items) {
    QAction* a = menu.addAction(caption, this, [this, clip = action] { output_->Clip(clip); });
    if (action != kPaste) a->setEnabled(selected);
  }
  menu.addAction("Select All", this, [this] { output_->Select(0, output_->TextLength()); });
  menu.exec(text_box()->mapToGlobal(at));
}

}  // namespace quilm::ui
