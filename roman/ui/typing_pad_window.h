// The "Punjabi Typing Pad" window: Punjabi typed in Roman letters in the
// left pane appears in Gurmukhi in the right one word by word; the numbered
// alternatives of the current word are chosen by a click or Alt+number;
// "Paste Gurmukhi Text " puts the Gurmukhi into the document at the caret.
// Every change of the Roman pane, typed, pasted, cut, dropped or undone,
// goes to the pad (roman/typing_pad.h), and the Gurmukhi pane takes only
// the part that changed. Not modal; reused.
#pragma once

#include <QWidget>
#include <filesystem>
#include <memory>
#include <string>

#include "common/prompter.h"
#include "editor/editor.h"
#include "fonts/conversion.h"
#include "fonts/registry.h"
#include "roman/roman_data.h"
#include "roman/typing_pad.h"
#include "roman/ui/pad_dialogs.h"

class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace quilm::ui {

struct TypingPadContext {
  const FontRegistry& fonts;
  ConversionContext& conversion;
  Editor& editor;  // the document the Gurmukhi text goes into
  Prompter& prompter;
  std::filesystem::path data_folder;  // the Roman data, the user's Roman words, the instructions
  std::string english_font;
  int english_font_size = 12;
  std::string punjabi_font;  // the font the Gurmukhi text goes into the document in
  int punjabi_font_size = 16;
};

inline constexpr char kPadInstructionsFile[] = "TypingPadInstructions.html";
inline constexpr char kPasteQuestion[] = "Do you want to paste the Gurmukhi text in MainForm?";

class TPunjabiType : public QWidget {
  Q_OBJECT

 public:
  explicit TPunjabiType(TypingPadContext context, QWidget* parent = nullptr);
  ~TPunjabiType() override;

  QPlainTextEdit* roman_pane() const { return RichEdit1; }
  QPlainTextEdit* gurmukhi_pane() const { return RichEdit2; }
  QListWidget* alternative_numbers() const { return Alt; }
  QListWidget* alternatives_list() const { return SuggestionBox; }
  QPushButton* button(const char* object_name) const;
  const TypingPad& pad() const { return *pad_; }
  // The user's recent choices are forgotten (the main window became active).
  void ForgetRecentChoices();

 public slots:
  void ReTransliterateClick();
  void PasteClick();
  void AddWordClick();
  void OptionsClick();
  void InstructionsClick();
  // Puts alternative `number` (from 1) of the current word in its place.
  void ChooseAlternative(int number);
  // The work of the dialogs, once they are answered.
  void AddWord(const QString& roman, const QString& gurmukhi);
  void ApplyOptions(const PadOptions& options);

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void build();
  void load_data();
  void roman_changed();
  void gurmukhi_clicked();
  void show_gurmukhi();
  void show_alternatives();
  void empty_pads();
  bool paste_into_document();

  TypingPadContext context_;
  FontConverter converter_;
  std::unique_ptr<RomanData> data_;
  std::unique_ptr<TypingPad> pad_;
  bool data_loaded_ = false;
  std::u16string shown_gurmukhi_;  // what the Gurmukhi pane was last given
  bool syncing_ = false;
  PadOptions options_;
  QPlainTextEdit* RichEdit1 = nullptr;  // Roman
  QPlainTextEdit* RichEdit2 = nullptr;  // Gurmukhi
  QListWidget* Alt = nullptr;            // the numbers
  QListWidget* SuggestionBox = nullptr;  // the spellings
};

}  // namespace quilm::ui
