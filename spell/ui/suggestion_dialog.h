// The suggestion dialog of the spelling check ("Spelling Checker"): shows an
// unknown word's suggestions in the word's font and returns what the user
// chose. The run itself is SpellCheckRun's; the dialog only asks.
#pragma once

#include <QDialog>
#include <QRect>
#include <functional>

#include "spell/spell_check_run.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace quilm::ui {

class TSuggestion : public QDialog {
  Q_OBJECT
 public:
  explicit TSuggestion(QWidget* parent = nullptr);

  // Shows the question modally; closing the window counts as "Ca&ncel".
  // `word` is where the word stands on the screen: the window keeps clear
  // of it (an empty rectangle leaves the window where it is).
  SpellAnswer ask(const SpellQuestion& question, const QRect& word = {});
  // What "&Options..." does (the choice of the additional dictionary).
  void set_options(std::function<void()> show_options) { show_options_ = std::move(show_options); }

  QListWidget* suggestion_box() const { return SuggestionBox1; }
  QLineEdit* replacement_box() const { return Edit2; }

 private slots:
  void IgnoreClick();
  void IgnoreAllClick();
  void ChangeClick();
  void ChangeAllClick();
  void AddClick();
  void CancelClick();
  void Button1Click();
  void SuggestionBox1Click();
  void Edit2Change(const QString& text);

 private:
  void finish(SpellAnswer::Kind kind);
  void enable_changes(bool on);

  QListWidget* SuggestionBox1 = nullptr;
  QLineEdit* Edit2 = nullptr;
  QPushButton* change_ = nullptr;
  QPushButton* change_all_ = nullptr;
  std::function<void()> show_options_;
  SpellAnswer answer_;
  bool chosen_from_list_ = true;
};

// Where a window of `size` goes so as not to cover `word`, within
// `available` (all in screen coordinates): below the word, else above it,
// else to its right, else to its left, always inside `available`; when
// none of them has room, below the word as far as `available` allows.
QPoint position_clear_of(const QRect& word, const QSize& size, const QRect& available);

}  // namespace quilm::ui
