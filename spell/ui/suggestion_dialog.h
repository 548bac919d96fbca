// The suggestion dialog of the spelling check ("Spelling Checker"): shows an
// unknown word's suggestions in the word's font and returns what the user
// chose. The run itself is SpellCheckRun's; the dialog only asks.
#pragma once

#include <QDialog>

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
  SpellAnswer ask(const SpellQuestion& question);

  QListWidget* suggestion_box() const { return SuggestionBox1; }
  QLineEdit* replacement_box() const { return Edit2; }

 private slots:
  void IgnoreClick();
  void IgnoreAllClick();
  void ChangeClick();
  void ChangeAllClick();
  void AddClick();
  void CancelClick();
  void SuggestionBox1Click();
  void Edit2Change(const QString& text);

 private:
  void finish(SpellAnswer::Kind kind);
  void enable_changes(bool on);

  QListWidget* SuggestionBox1 = nullptr;
  QLineEdit* Edit2 = nullptr;
  QPushButton* change_ = nullptr;
  QPushButton* change_all_ = nullptr;
  SpellAnswer answer_;
  bool chosen_from_list_ = true;
};

}  // namespace quilm::ui
