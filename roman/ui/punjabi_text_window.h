// The "Punjabi Text" window (TRomanGurTransliterate): the Roman-letter text
// of the document, or of its selection, in Gurmukhi in an editor of its own,
// with "Save", "Transliterate" and "Add word ". It stays on top, is not
// modal, and transliterates each time it is shown. The Roman data is read
// once, on first use, and kept for the life of the window; the typing pad
// reads its own copy, so the two never close each other's tables. The work
// is transliterate_roman_document's (roman/punjabi_text.h).
#pragma once

#include <QWidget>
#include <filesystem>
#include <memory>

#include "common/file_dialogs.h"
#include "common/prompter.h"
#include "editor/editor.h"
#include "fonts/conversion_context.h"
#include "fonts/registry.h"
#include "roman/roman_data.h"

class QTextEdit;

namespace quilm {
class QtEditor;
}

namespace quilm::ui {

struct PunjabiTextContext {
  const FontRegistry& fonts;
  ConversionContext& conversion;
  const Editor& editor;  // the document read
  Prompter& prompter;
  FileDialogs& dialogs;
  std::filesystem::path data_folder;  // the Roman data
};

class TRomanGurTransliterate : public QWidget {
  Q_OBJECT
 public:
  explicit TRomanGurTransliterate(PunjabiTextContext context, QWidget* parent = nullptr);
  ~TRomanGurTransliterate() override;

  Editor& output() const;
  QTextEdit* text_box() const;

 signals:
  // "Add word ": the main window shows its "Add Word" window.
  void addWordRequested();

 public slots:
  void TransliterateClick();  // BitBtn4Click
  void SaveClick();           // BitBtn2Click

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  bool load_data();
  void showContextMenu(const QPoint& at);

  PunjabiTextContext context_;
  std::unique_ptr<RomanData> data_;
  bool data_loaded_ = false;
  std::unique_ptr<QtEditor> output_;
};

}  // namespace quilm::ui
