// Tformfind, the "Find -Replace" window: gathers the find and replace texts
// and the options and hands them to the search of the core (FindReplace);
// messages go through the prompter. The window stays open beside the
// document (not modal) and is reused.
#pragma once

#include <QWidget>

#include "common/prompter.h"
#include "dict/find_replace.h"

class QButtonGroup;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabBar;

namespace quilm::ui {

class Tformfind : public QWidget {
  Q_OBJECT
 public:
  // `conversion` is the program's shared conversion context.
  Tformfind(Editor& editor, const FontRegistry& registry, ConversionContext& conversion, Prompter& prompter,
            QWidget* parent = nullptr);

  // "&Find..." and "Replace...": the window with the Find page (the replace
  // box hidden) or the Replace page. The find box takes the editor's font,
  // and its selected text when that is part of one line.
  void ShowFind();
  void ShowReplace();

  QLineEdit* find_box() const { return find_box_; }
  QLineEdit* replace_box() const { return replace_box_; }
  QLabel* result_label() const { return result_; }

 public slots:
  void FindNextClick();
  void ReplaceClick();
  void ReplaceAllClick();

 private:
  void build();
  void show_page(int page);
  void take_editor_selection();
  void options_changed();
  void found(bool yes);
  FindOptions options() const;
  SearchText box_text(const QLineEdit* box) const;

  Editor& editor_;
  Prompter& prompter_;
  FontConverter converter_;
  FindReplace finder_;
  QTabBar* pages_ = nullptr;
  QLineEdit* find_box_ = nullptr;
  QLineEdit* replace_box_ = nullptr;
  QLabel* replace_label_ = nullptr;
  QButtonGroup* direction_ = nullptr;
  QButtonGroup* language_ = nullptr;
  QCheckBox* similar_ = nullptr;
  QCheckBox* whole_words_ = nullptr;
  QCheckBox* match_case_ = nullptr;
  QPushButton* find_next_ = nullptr;
  QPushButton* replace_ = nullptr;
  QPushButton* replace_all_ = nullptr;
  QLabel* result_ = nullptr;
  std::string box_font_;
};

}  // namespace quilm::ui
