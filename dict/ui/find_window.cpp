#include "dict/ui/find_window.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QVBoxLayout>

namespace quilm::ui {
namespace {

constexpr int kFindPage = 0, kReplacePage = 1;
// The longest selection the find box takes over when the window opens.
constexpr int kLongestTakenSelection = 200;

QString qt_text(const std::u16string& text) {
  return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

QButtonGroup* radio_group(QWidget* parent, QBoxLayout* into, const QString& title,
                          std::initializer_list<std::pair<const char*, QString>> buttons, int checked) {
  auto* box = new QGroupBox(title, parent);
  auto* row = new QHBoxLayout(box);
  auto* group = new QButtonGroup(box);
  int id = 0;
  for (const auto& [name, caption] : buttons) {
    auto* b = new QRadioButton(caption, box);
    b->setObjectName(name);
    b->setChecked(id == checked);
    group->addButton(b, id++);
    row->addWidget(b);
  }
  into->addWidget(box);
  return group;
}

QPushButton* button(QWidget* parent, const char* name, const QString& caption) {
  auto* b = new QPushButton(caption, parent);
  b->setObjectName(name);
  return b;
}

}  // namespace

Tformfind::Tformfind(Editor& editor, const FontRegistry& registry, ConversionContext& conversion, Prompter& prompter,
                     QWidget* parent)
    : QWidget(parent, Qt::Tool),
      editor_(editor),
      prompter_(prompter),
      converter_(conversion),
      finder_(editor, registry, converter_) {
  setObjectName("formfind");
  setWindowTitle("Find -Replace");
  build();
}

void Tformfind::build() {
  auto* layout = new QVBoxLayout(this);
  pages_ = new QTabBar(this);
  pages_->setObjectName("Pages");
  pages_->addTab("Find");
  pages_->addTab("Replace");
  layout->addWidget(pages_);

  auto* boxes = new QGridLayout;
  find_box_ = new QLineEdit(this);
  find_box_->setObjectName("FindWhat");
  replace_box_ = new QLineEdit(this);
  replace_box_->setObjectName("ReplaceWith");
  replace_label_ = new QLabel("Replace  With..", this);
  boxes->addWidget(new QLabel("Find What?", this), 0, 0);
  boxes->addWidget(find_box_, 0, 1);
  boxes->addWidget(replace_label_, 1, 0);
  boxes->addWidget(replace_box_, 1, 1);
  layout->addLayout(boxes);

  direction_ = radio_group(this, layout, "Search", {{"All", "All"}, {"Up", "Up"}, {"Down", "Down"}}, 0);
  language_ = radio_group(this, layout, "Language", {{"English", "English"}, {"Punjabi", "Punjabi"}}, 1);
  similar_ = new QCheckBox("Search all similar words", this);
  similar_->setObjectName("SimilarWords");
  whole_words_ = new QCheckBox("Find whole words only", this);
  whole_words_->setObjectName("WholeWords");
  match_case_ = new QCheckBox("Match  Case", this);
  match_case_->setObjectName("MatchCase");
  for (QCheckBox* c : {similar_, whole_words_, match_case_}) layout->addWidget(c);

  auto* buttons = new QHBoxLayout;
  find_next_ = button(this, "FindNext", "&Find Next");
  replace_ = button(this, "Replace", "&Replace");
  replace_all_ = button(this, "ReplaceAll", "Replace All");
  QPushButton* close = button(this, "Close", "Close");
  for (QPushButton* b : {find_next_, replace_, replace_all_, close}) buttons->addWidget(b);
  layout->addLayout(buttons);
  result_ = new QLabel(this);
  result_->setObjectName("ResultLabel");
  layout->addWidget(result_);

  connect(pages_, &QTabBar::currentChanged, this, &Tformfind::show_page);
  connect(find_box_, &QLineEdit::textChanged, this, [this] {
    find_next_->setEnabled(!find_box_->text().isEmpty());
    options_changed();
  });
  connect(replace_box_, &QLineEdit::textChanged, this, &Tformfind::options_changed);
  for (QButtonGroup* g : {direction_, language_}) connect(g, &QButtonGroup::idClicked, this, &Tformfind::options_changed);
  for (QCheckBox* c : {similar_, whole_words_, match_case_}) connect(c, &QCheckBox::toggled, this, &Tformfind::options_changed);
  connect(find_next_, &QPushButton::clicked, this, &Tformfind::FindNextClick);
  connect(replace_, &QPushButton::clicked, this, &Tformfind::ReplaceClick);
  connect(replace_all_, &QPushButton::clicked, this, &Tformfind::ReplaceAllClick);
  connect(close, &QPushButton::clicked, this, &QWidget::hide);
  find_next_->setEnabled(false);
  found(false);
}

void Tformfind::ShowFind() {
  take_editor_selection();
  pages_->setCurrentIndex(kFindPage);
  show_page(kFindPage);
  show();
  raise();
  find_box_->setFocus();
}

void Tformfind::ShowReplace() {
  take_editor_selection();
  pages_->setCurrentIndex(kReplacePage);
  show_page(kReplacePage);
  show();
  raise();
  find_box_->setFocus();
}

void Tformfind::show_page(int page) {
  const bool replacing = page == kReplacePage;
  replace_label_->setVisible(replacing);
  replace_box_->setVisible(replacing);
  replace_->setVisible(replacing);
  replace_all_->setVisible(replacing);
}

// The boxes write in the editor's font, so that glyph bytes typed or taken
// from the document are read in that font's encoding.
void Tformfind::take_editor_selection() {
  box_font_ = editor_.FontName();
  const QFont font(QString::fromStdString(box_font_), find_box_->font().pointSize());
  find_box_->setFont(font);
  replace_box_->setFont(font);
  const std::u16string selected = editor_.SelText();
  const bool one_line = selected.find(kParagraphBreak) == std::u16string::npos;
  if (!selected.empty() && one_line && selected.size() <= kLongestTakenSelection) find_box_->setText(qt_text(selected));
  finder_.Reset();
  found(false);
}

FindOptions Tformfind::options() const {
  FindOptions o;
  o.direction = static_cast<SearchDirection>(direction_->checkedId());
  o.language = language_->checkedId() == 0 ? SearchLanguage::English : SearchLanguage::Punjabi;
  o.similar_words = similar_->isChecked();
  o.whole_words = whole_words_->isChecked();
  o.match_case = match_case_->isChecked();
  return o;
}

SearchText Tformfind::box_text(const QLineEdit* box) const {
  const QString text = box->text();
  return {std::u16string(reinterpret_cast<const char16_t*>(text.utf16()), static_cast<std::size_t>(text.size())),
          box_font_};
}

void Tformfind::options_changed() {
  finder_.SetSearch(box_text(find_box_), box_text(replace_box_), options());
  if (!finder_.Initialised()) found(false);
  result_->clear();
}

void Tformfind::found(bool yes) {
  replace_->setEnabled(yes);
  replace_all_->setEnabled(yes);
}

void Tformfind::FindNextClick() {
  options_changed();
  const bool yes = finder_.FindNext() == FindResult::Found;
  found(yes);
  if (!yes) prompter_.message(std::string(kFinishedSearching));
}

void Tformfind::ReplaceClick() {
  options_changed();
  const ReplaceResult r = finder_.Replace();
  if (r.same_texts) {
    prompter_.message(std::string(kSameFindReplace));
    return;
  }
  found(r.next == FindResult::Found);
  if (r.next == FindResult::Finished) prompter_.message(std::string(kFinishedSearching));
}

void Tformfind::ReplaceAllClick() {
  options_changed();
  if (finder_.SameTexts()) {
    prompter_.message(std::string(kSameFindReplace));
    return;
  }
  if (!prompter_.ask_yes_no(std::string(kReplaceAllQuestion))) return;
  const int count = finder_.ReplaceAll();
  found(false);
  result_->setText(QString("%1 replaced").arg(count));
}

}  // namespace quilm::ui
