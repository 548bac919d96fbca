#include "spell/ui/suggestion_dialog.h"

#include <QFont>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <algorithm>
#include <QVBoxLayout>

namespace quilm::ui {
namespace {

QString to_qstring(const std::u16string& s) { return QString::fromUtf16(s.data(), static_cast<qsizetype>(s.size())); }
std::u16string to_u16(const QString& s) { return std::u16string(reinterpret_cast<const char16_t*>(s.utf16()), static_cast<std::size_t>(s.size())); }

}  // namespace

TSuggestion::TSuggestion(QWidget* parent) : QDialog(parent) {
  setObjectName("Suggestion");
  setWindowTitle("Spelling Checker");
  auto* boxes = new QVBoxLayout;
  boxes->addWidget(new QLabel("Replace With", this));
  Edit2 = new QLineEdit(this);
  Edit2->setObjectName("Edit2");
  boxes->addWidget(Edit2);
  boxes->addWidget(new QLabel("Suggestions", this));
  SuggestionBox1 = new QListWidget(this);
  SuggestionBox1->setObjectName("SuggestionBox1");
  boxes->addWidget(SuggestionBox1);

  auto* buttons = new QVBoxLayout;
  const auto button = [&](const char* caption, const char* name, void (TSuggestion::*slot)()) {
    auto* b = new QPushButton(caption, this);
    b->setObjectName(name);
    b->setAutoDefault(false);
    connect(b, &QPushButton::clicked, this, slot);
    buttons->addWidget(b);
    return b;
  };
  button("&Ignore", "Ignore", &TSuggestion::IgnoreClick);
  button("Igno&re All", "IgnoreAll", &TSuggestion::IgnoreAllClick);
  change_ = button("&Change", "Change", &TSuggestion::ChangeClick);
  change_all_ = button("Change A&ll", "ChangeAll", &TSuggestion::ChangeAllClick);
  button("&Add", "Add", &TSuggestion::AddClick);
  button("Ca&ncel", "Cancel", &TSuggestion::CancelClick);
  button("&Options...", "Options", &TSuggestion::Button1Click);
  buttons->addStretch();

  auto* row = new QHBoxLayout(this);
  row->addLayout(boxes);
  row->addLayout(buttons);

  connect(SuggestionBox1, &QListWidget::itemClicked, this, &TSuggestion::SuggestionBox1Click);
  connect(SuggestionBox1, &QListWidget::itemDoubleClicked, this, [this] {
    SuggestionBox1Click();
    ChangeClick();
  });
  connect(Edit2, &QLineEdit::textEdited, this, &TSuggestion::Edit2Change);
}

QPoint position_clear_of(const QRect& word, const QSize& size, const QRect& available) {
  constexpr int kGap = 8;
  const auto clamp_x = [&](int x) { return std::clamp(x, available.left(), std::max(available.left(), available.right() + 1 - size.width())); };
  const auto clamp_y = [&](int y) { return std::clamp(y, available.top(), std::max(available.top(), available.bottom() + 1 - size.height())); };
  const int below = word.bottom() + 1 + kGap, above = word.top() - kGap - size.height();
  const int right = word.right() + 1 + kGap, left = word.left() - kGap - size.width();
  if (below + size.height() <= available.bottom() + 1) return {clamp_x(word.left()), below};
  if (above >= available.top()) return {clamp_x(word.left()), above};
  if (right + size.width() <= available.right() + 1) return {right, clamp_y(word.top())};
  if (left >= available.left()) return {left, clamp_y(word.top())};
  return {clamp_x(word.left()), clamp_y(below)};
}

SpellAnswer TSuggestion::ask(const SpellQuestion& question, const QRect& word) {
  answer_ = {SpellAnswer::Kind::Cancel, {}, false};
  chosen_from_list_ = true;
  const QFont font(QString::fromStdString(question.font_name));
  SuggestionBox1->setFont(font);
  Edit2->setFont(font);
  SuggestionBox1->clear();
  for (const std::u16string& s : question.suggestions) SuggestionBox1->addItem(to_qstring(s));
  Edit2->setText(to_qstring(question.word));
  if (SuggestionBox1->count() > 0) {
    SuggestionBox1->setCurrentRow(0);
    Edit2->setText(SuggestionBox1->item(0)->text());
  }
  enable_changes(SuggestionBox1->count() > 0);
  if (!word.isEmpty()) {
    adjustSize();
    const QScreen* screen = parentWidget() ? parentWidget()->screen() : this->screen();
    move(position_clear_of(word, frameGeometry().size(), screen->availableGeometry()));
  }
  exec();
  return answer_;
}

void TSuggestion::enable_changes(bool on) {
  change_->setEnabled(on);
  change_all_->setEnabled(on);
}

void TSuggestion::finish(SpellAnswer::Kind kind) {
  answer_.kind = kind;
  answer_.replacement = to_u16(Edit2->text());
  answer_.typed = !chosen_from_list_;
  accept();
}

void TSuggestion::IgnoreClick() { finish(SpellAnswer::Kind::Ignore); }
void TSuggestion::IgnoreAllClick() { finish(SpellAnswer::Kind::IgnoreAll); }
void TSuggestion::ChangeClick() { finish(SpellAnswer::Kind::Change); }
void TSuggestion::ChangeAllClick() { finish(SpellAnswer::Kind::ChangeAll); }
void TSuggestion::AddClick() { finish(SpellAnswer::Kind::Add); }
void TSuggestion::CancelClick() { finish(SpellAnswer::Kind::Cancel); }
void TSuggestion::Button1Click() {
  if (show_options_) show_options_();
}

void TSuggestion::SuggestionBox1Click() {
  if (QListWidgetItem* item = SuggestionBox1->currentItem()) {
    Edit2->setText(item->text());
    chosen_from_list_ = true;
    enable_changes(true);
  }
}

void TSuggestion::Edit2Change(const QString& text) {
  chosen_from_list_ = false;
  enable_changes(!text.isEmpty());
}

}  // namespace quilm::ui
