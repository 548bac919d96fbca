// The "Transliterate" dialog (F4): the Gurmukhi of the document into
// Devanagari, as an ISCII or Unicode file or rewritten in place in the Kruti
// Dev 010 or Chanakya font. It gathers the choice; ConvertToHindi does it.
#pragma once

#include <QDialog>

#include "common/file_dialogs.h"
#include "common/prompter.h"
#include "convert/font_conversion_context.h"
#include "editor/editor.h"

class QButtonGroup;

namespace quilm::ui {

class TransliterateDialog : public QDialog {
  Q_OBJECT
 public:
  TransliterateDialog(FontConversionContext context, Editor& editor, Prompter& prompter, FileDialogs& dialogs,
                      QWidget* parent = nullptr);

  QButtonGroup* outputs() const { return outputs_; }

 public slots:
  void Button1Click();

 private:
  FontConversionContext context_;
  Editor& editor_;
  Prompter& prompter_;
  FileDialogs& dialogs_;
  QButtonGroup* outputs_ = nullptr;
};

}  // namespace quilm::ui
