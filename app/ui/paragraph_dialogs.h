// The Format menu's paragraph windows: "Paragraph...", "Tab...", "Paragraph
// Frames..." (TFramesDlg) and the list "Attributes...". Each shows the values
// of the paragraph at the caret and on OK hands what was typed to the
// commands of app/paragraph_commands.h; a bad entry is reported, nothing
// changes and the window stays open.
#pragma once

#include <QDialog>
#include <functional>

#include "common/prompter.h"
#include "common/status.h"
#include "editor/editor.h"

class QComboBox;
class QFormLayout;
class QLineEdit;

namespace quilm::ui {

// A window of labelled entries whose OK applies them all or none.
class ParagraphEntryDialog : public QDialog {
  Q_OBJECT
 public:
  ParagraphEntryDialog(const char* name, const QString& caption, Prompter& prompter, QWidget* parent);
  void accept() override;

 protected:
  QLineEdit* addEntry(const char* name, const QString& label, const std::string& value);
  QComboBox* addChoice(const char* name, const QString& label, const QStringList& items, int current);
  void finish(std::function<Status()> apply);

 private:
  Prompter& prompter_;
  QFormLayout* form_ = nullptr;
  std::function<Status()> apply_;
};

class TParagraphDlg : public ParagraphEntryDialog {
  Q_OBJECT
 public:
  TParagraphDlg(Editor& editor, Prompter& prompter, QWidget* parent = nullptr);
};

class TTabDlg : public ParagraphEntryDialog {
  Q_OBJECT
 public:
  TTabDlg(Editor& editor, Prompter& prompter, QWidget* parent = nullptr);
};

class TFramesDlg : public ParagraphEntryDialog {
  Q_OBJECT
 public:
  TFramesDlg(Editor& editor, Prompter& prompter, QWidget* parent = nullptr);
};

class TListAttributesDlg : public ParagraphEntryDialog {
  Q_OBJECT
 public:
  TListAttributesDlg(Editor& editor, Prompter& prompter, QWidget* parent = nullptr);
};

}  // namespace quilm::ui
