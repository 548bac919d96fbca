// The "Punjabi Text" window (TRomanGurTransliterate): the Roman-letter text
// of the document, or of its selection, in Gurmukhi in an editor of its own,
// with "Save", "Transliterate", "Add word " and "Cancel". It stays on top,
// is not modal, and transliterates each time it is shown. The work runs on
// a worker thread over a copy of the text, so the window answers and
// "Cancel" stops it; the document is only read. The Roman data is read
// once, on first use, and kept for the life of the window; the typing pad
// reads its own copy, so the two never close each other's tables. The work
// is roman/punjabi_text.h's.
#pragma once

#include <QWidget>
#include <filesystem>
#include <memory>

#include "common/file_dialogs.h"
#include "common/prompter.h"
#include "editor/editor.h"
#include "fonts/registry.h"
#include "roman/roman_data.h"

class QPushButton;
class QTextEdit;
class QThread;

namespace quilm {
class QtEditor;
}

namespace quilm::ui {

struct PunjabiTextContext {
  const FontRegistry& fonts;
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
  bool running() const { return worker_ != nullptr; }

 signals:
  // "Add word ": the main window shows its "Add Word" window.
  void addWordRequested();
  // A run ended: written (true), or cancelled or refused (false).
  void transliterationFinished(bool written);

 public slots:
  void TransliterateClick();  // BitBtn4Click
  void SaveClick();           // BitBtn2Click
  void CancelClick();

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  struct Job;
  bool load_data();
  void finishJob();
  void refreshButtons();
  void showContextMenu(const QPoint& at);

  PunjabiTextContext context_;
  std::unique_ptr<RomanData> data_;
  bool data_loaded_ = false;
  std::unique_ptr<QtEditor> output_;
  std::shared_ptr<Job> job_;
  QThread* worker_ = nullptr;
  QPushButton* transliterate_ = nullptr;
  QPushButton* cancel_ = nullptr;
};

}  // namespace quilm::ui
