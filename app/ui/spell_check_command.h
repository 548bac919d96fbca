// The "Spell Check" command (F7): the word collections are read on first
// use and kept for the rest of the run; the additional dictionary is
// written back when the window closes. The suggestion dialog stands clear
// of the word it asks about; its "&Options..." chooses the additional
// dictionary.
#pragma once

#include <memory>

#include <QRect>
#include <QWidget>

#include "app/workspace.h"
#include "common/prompter.h"
#include "editors/ui/qt_editor.h"

namespace quilm {

struct SpellData;
struct SpellQuestion;

namespace ui {

class TSuggestion;

class SpellCheckCommand {
 public:
  SpellCheckCommand(QWidget* parent, Workspace& workspace, QtEditor& editor, Prompter& prompter);
  ~SpellCheckCommand();

  // SpellCheck1Click: checks from the caret to the end of the document.
  void SpellCheck1Click();
  // At close: the additional dictionary, when it was read whole.
  void write_back();
  // The Options window's choice of additional dictionary: it becomes the
  // setting, and the dictionary in use once the words have been read.
  void use_additional_dictionary(const std::string& name);

  // "Additional Dictionary...": the choice "&Options..." of the check offers.
  void AdditionalDictionaryClick();
  // "New Dictionary...": a new, empty dictionary; with "Set Default
  // Dictionary" it becomes the one in use once the words added to the old
  // one are saved.
  void NewDictionaryClick();

 private:
  bool load();
  // Where the asked word stands on the screen, brought into view first.
  QRect word_on_screen(const SpellQuestion& question) const;
  // "&Options...": the "Additional Dictionary" window; a choice becomes the
  // setting and the dictionary in use.
  void choose_dictionary();

  QWidget* parent_;
  Workspace& ws_;
  QtEditor& editor_;
  Prompter& prompter_;
  std::unique_ptr<SpellData> data_;
  TSuggestion* dialog_ = nullptr;
};

}  // namespace ui
}  // namespace quilm
