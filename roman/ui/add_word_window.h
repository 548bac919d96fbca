// "Add Word" (TAddWord): a Roman spelling and its Gurmukhi word, added as a
// pair to the Roman dictionary RomanGur.dbf of the data folder
// (roman/roman_word_entry.h). The on-screen keyboard's glyphs go to the
// Gurmukhi box while the window is shown.
#pragma once

#include <QDialog>
#include <filesystem>
#include <string>

#include "common/prompter.h"
#include "fonts/conversion_context.h"
#include "fonts/registry.h"

class QLineEdit;
class QPushButton;

namespace quilm::ui {

class TAddWord : public QDialog {
  Q_OBJECT
 public:
  TAddWord(std::filesystem::path data_folder, const FontRegistry& fonts, ConversionContext& conversion,
           Prompter& prompter, QWidget* parent = nullptr);

  // Handed over by the typing pad: its current Roman word. Used by the next
  // showing, then cleared.
  void set_preset(std::string roman) { preset_ = std::move(roman); }

  // FormShow: both boxes cleared, the Gurmukhi box in `editor_font` (or
  // `punjabi_default` when that is no Gurmukhi font) and focused, the Roman
  // box filled from the preset word or else the editor's `selection`.
  void prepare(const std::string& editor_font, const std::string& punjabi_default, const std::u16string& selection);

  QLineEdit* roman_box() const { return Edit1; }
  QLineEdit* gurmukhi_box() const { return Edit2; }
  QPushButton* add_button() const { return Button1; }

  void Button1Click();

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void Edit1Change();

  std::filesystem::path data_folder_;
  const FontRegistry& fonts_;
  ConversionContext& conversion_;
  Prompter& prompter_;
  std::string preset_;
  QLineEdit* Edit1 = nullptr;  // Word in Roman Script
  QLineEdit* Edit2 = nullptr;  // Word in Gurmukhi Script
  QPushButton* Button1 = nullptr;  // &Add
  QPushButton* BitBtn1 = nullptr;  // Close
};

}  // namespace quilm::ui
