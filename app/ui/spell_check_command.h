// The "Spell Check" command (F7): the word collections are read on first
// use and kept for the rest of the run; the additional dictionary is
// written back when the window closes.
#pragma once

#include <memory>

#include <QWidget>

#include "app/workspace.h"
#include "common/prompter.h"
#include "editor/editor.h"

namespace quilm {

struct SpellData;

namespace ui {

class TSuggestion;

class SpellCheckCommand {
 public:
  SpellCheckCommand(QWidget* parent, Workspace& workspace, Editor& editor, Prompter& prompter);
  ~SpellCheckCommand();

  // SpellCheck1Click: checks from the caret to the end of the document.
  void SpellCheck1Click();
  // At close: the additional dictionary, when it was read whole.
  void write_back();

 private:
  bool load();

  QWidget* parent_;
  Workspace& ws_;
  Editor& editor_;
  Prompter& prompter_;
  std::unique_ptr<SpellData> data_;
  TSuggestion* dialog_ = nullptr;
};

}  // namespace ui
}  // namespace quilm
