// The dictionary windows, "Punjabi English Dictionary" and "English-Punjabi
// Dictionary": a word typed or taken from the editor's selection is looked
// up as it changes (dict/dictionary_lookup.h), the list shows the headwords
// around the entry found, the memo its meanings; a meaning chosen there is
// put into the document once or at every occurrence of the word
// (dict/meaning_insertion.h). Not modal; reused.
#pragma once

#include <QWidget>
#include <filesystem>

#include "common/prompter.h"
#include "dict/dictionary_lookup.h"
#include "dict/meaning_insertion.h"
#include "editor/editor.h"
#include "fonts/registry.h"
#include "tables/sqlite_table.h"

class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace quilm::ui {

enum class DictionaryDirection { PunjabiEnglish, EnglishPunjabi };

class TDictionaryWindow : public QWidget {
  Q_OBJECT

 public:
  // `meaning_font`: the font a meaning goes into the document in (the
  // English default font for Punjabi-English, the Punjabi one otherwise).
  TDictionaryWindow(DictionaryDirection direction, Editor& editor, const FontRegistry& registry,
                    ConversionContext& conversion, Prompter& prompter, const std::filesystem::path& data_folder,
                    MeaningText meaning_font, QWidget* parent = nullptr);

  // Takes the editor's selection into the box, selects the word taken in
  // the editor, and looks it up.
  void ShowDictionary();

  QLineEdit* input_box() const { return input_; }
  QListWidget* headword_list() const { return list_; }
  QPlainTextEdit* meanings_memo() const { return memo_; }
  QPushButton* replace_button() const { return replace_; }
  QPushButton* replace_all_button() const { return replace_all_; }
  LookupResult last_result() const { return result_; }
  // Chooses the meaning phrase around `position` of the memo.
  void ChooseMeaning(int position);

 public slots:
  void ReplaceClick();
  void ReplaceAllClick();

 private:
  void build();
  void look_up();
  void show_entry();
  void update_buttons();
  MeaningText chosen_meaning() const;

  DictionaryDirection direction_;
  Editor& editor_;
  const FontRegistry& registry_;
  FontConverter converter_;
  Prompter& prompter_;
  MeaningText meaning_font_;
  SqliteTable dictionary_, roots_;
  bool have_roots_ = false;
  LookupResult result_ = LookupResult::Nearest;
  std::u16string chosen_;
  QLineEdit* input_ = nullptr;
  QListWidget* list_ = nullptr;
  QPlainTextEdit* memo_ = nullptr;
  QPushButton* replace_ = nullptr;
  QPushButton* replace_all_ = nullptr;
};

}  // namespace quilm::ui
