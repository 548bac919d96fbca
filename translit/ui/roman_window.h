// The "Romanised Punjabi Text" window: the document (or selection) in Roman
// letters, in a text box the user may edit, with "Save", "Samples" and
// "Transliterate". It stays on top and runs the transliteration each time it
// is shown. The work is transliterate_document_to_roman's.
#pragma once

#include <QWidget>
#include <filesystem>

#include "common/file_dialogs.h"
#include "common/prompter.h"
#include "editor/editor.h"
#include "fonts/conversion_context.h"
#include "fonts/registry.h"

class QPlainTextEdit;

namespace quilm::ui {

struct RomanWindowContext {
  const FontRegistry& fonts;
  ConversionContext& conversion;
  Editor& editor;
  Prompter& prompter;
  FileDialogs& dialogs;
  std::filesystem::path data_folder;  // holds GurRoman.db and Sound/
};

class RomanWindow : public QWidget {
  Q_OBJECT
 public:
  explicit RomanWindow(RomanWindowContext context, QWidget* parent = nullptr);

  QPlainTextEdit* text_box() const { return text_; }

 public slots:
  void TransliterateClick();
  void SaveClick();
  void SamplesClick();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void showContextMenu(const QPoint& at);

  RomanWindowContext context_;
  QPlainTextEdit* text_ = nullptr;
};

}  // namespace quilm::ui
