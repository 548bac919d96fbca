// The "Change Font" dialog: converts the document in the editor from its
// Gurmukhi fonts (or one chosen font) into a destination font or Unicode.
// It only gathers the two choices; the conversion is ChangeFont's.
#pragma once

#include <QDialog>

#include "editor/editor.h"
#include "convert/font_conversion_context.h"
#include "common/prompter.h"

class QCheckBox;
class QComboBox;
class QPushButton;

namespace quilm::ui {

class ChangeFontDialog : public QDialog {
  Q_OBJECT
 public:
  ChangeFontDialog(FontConversionContext context, Editor& editor, Prompter& prompter, QWidget* parent = nullptr);

  QComboBox* source_list() const { return source_; }
  QComboBox* destination_list() const { return destination_; }
  QCheckBox* gurmukhi_digits_box() const { return gurmukhi_digits_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private slots:
  void ConvertClick();
  void CancelClick();

 private:
  FontConversionContext context_;
  Editor& editor_;
  Prompter& prompter_;
  QComboBox* source_ = nullptr;
  QComboBox* destination_ = nullptr;
  QCheckBox* gurmukhi_digits_ = nullptr;  // enabled for a Unicode destination
  QPushButton* convert_ = nullptr;
};

}  // namespace quilm::ui
