// The main window's Go To and Options commands: the dialogs check what the
// user typed; the window then applies the result to the editor, the
// settings and its own items.
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QTextEdit>

#include "app/keyboard_layout_choice.h"
#include "app/ui/go_to_dialog.h"
#include "app/ui/main_form.h"
#include "app/ui/options_dialog.h"
#include "app/ui/spell_check_command.h"
#include "editors/ui/qt_editor.h"
#include "spell/additional_dictionaries.h"

namespace quilm::ui {

void TMainForm::setupGoToAndOptions() {
  if (QMenu* search = menuBar()->findChild<QMenu*>("Search1")) {
    QAction* go_to = search->addAction(tr("Goto..."), this, &TMainForm::Goto1Click);
    go_to->setObjectName("Goto1");
    go_to->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_G));
  }
  QMenu* tools = toolsMenu();
  tools->addSeparator();
  QAction* options = tools->addAction(tr("Options..."), this, &TMainForm::Options1Click);
  options->setObjectName("Options1");
}

void TMainForm::Goto1Click() {
  if (!go_to_) go_to_ = new TGoToLinePage(*prompter_, this);
  if (const std::optional<GoToTarget> target = go_to_->run(editor_->LineCount(), editor_->CurrentPages())) {
    go_to_target_ = *target;
    setViewMode(target->view_mode);
    go_to(*editor_, *target);
  }
  richedit1_->setFocus();
}

void TMainForm::Options1Click() {
  if (!options_) options_ = new TOptions(*prompter_, this);
  const std::vector<std::string> layouts = keyboard_layout_items(ws_.fonts);
  const auto choose_dictionary = [this](const std::string& name) {
    if (!spell_check_) spell_check_ = std::make_unique<SpellCheckCommand>(this, ws_, *editor_, *prompter_);
    spell_check_->use_additional_dictionary(name);
  };
  std::optional<Settings> chosen = options_->run(ws_.settings, editor_->ZoomFactor(), editor_->ViewMode(), layouts,
                                                 additional_dictionary_names(ws_.data_folder), choose_dictionary);
  if (!chosen) return;
  // The dictionary switched while the window was open stays switched.
  chosen->additional_dictionary = ws_.settings.additional_dictionary;
  ws_.settings = *chosen;
  if (const std::optional<int> percent = zoom_percent(chosen->zoom_step)) setZoom(*percent);
  setViewMode(chosen->view_mode);
  choose_keyboard_layout(ws_.settings, ws_.typing, chosen->layout_choice, layouts, ws_.fonts);
  showTypingState();
}

}  // namespace quilm::ui
