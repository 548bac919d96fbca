// "Punjabi Prefix and Suffix  List": the words of the affix word list that
// begin or end with the Gurmukhi typed in the box (dict/affix_list.h);
// "Paste" (or a double click) puts the chosen word into the document in
// the Punjabi default font. The box shows Unicode; a selection in a legacy
// font is read through that font when it is taken in. Not modal; reused.
#pragma once

#include <QWidget>
#include <filesystem>
#include <vector>

#include "common/bytes.h"
#include "common/prompter.h"
#include "dict/affix_list.h"
#include "dict/meaning_insertion.h"
#include "editor/editor.h"
#include "fonts/conversion.h"
#include "fonts/registry.h"
#include "tables/sqlite_table.h"

class QLineEdit;
class QListWidget;
class QPushButton;

namespace quilm::ui {

class TAffixWindow : public QWidget {
  Q_OBJECT

 public:
  // `punjabi_font`: the font and size a word goes into the document in.
  TAffixWindow(Editor& editor, const FontRegistry& registry, ConversionContext& conversion, Prompter& prompter,
               const std::filesystem::path& data_folder, MeaningText punjabi_font, QWidget* parent = nullptr);

  // Resets the list and the buttons and takes the editor's selection, read
  // in the font at the insertion point, into the box.
  void ShowAffixes();

  QLineEdit* input_box() const { return input_; }
  QListWidget* word_list() const { return list_; }
  QPushButton* prefix_button() const { return prefix_; }
  QPushButton* suffix_button() const { return suffix_; }
  QPushButton* paste_button() const { return paste_; }

 public slots:
  void DisplayPrefixClick();
  void DisplaySuffixClick();
  void PasteClick();

 private:
  void build();
  void display(AffixSide side);
  void box_changed();

  Editor& editor_;
  const FontRegistry& registry_;
  FontConverter converter_;
  MeaningText punjabi_font_;
  SqliteTable wordlist_;
  std::vector<Bytes> words_;  // index-31 glyph bytes, as listed
  QLineEdit* input_ = nullptr;
  QListWidget* list_ = nullptr;
  QPushButton* prefix_ = nullptr;
  QPushButton* suffix_ = nullptr;
  QPushButton* paste_ = nullptr;
};

}  // namespace quilm::ui
