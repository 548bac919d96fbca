#include "app/ui/spell_check_command.h"

#include "fonts/conversion.h"
#include "spell/spell_check_run.h"
#include "spell/spell_data.h"
#include "spell/ui/suggestion_dialog.h"

namespace quilm::ui {

SpellCheckCommand::SpellCheckCommand(QWidget* parent, Workspace& workspace, Editor& editor, Prompter& prompter)
    : parent_(parent), ws_(workspace), editor_(editor), prompter_(prompter) {}

SpellCheckCommand::~SpellCheckCommand() = default;

bool SpellCheckCommand::load() {
  if (data_) return true;
  auto data = std::make_unique<SpellData>();
  std::vector<std::string> warnings;
  const Status st = load_spell_data(ws_.data_folder, ws_.settings.additional_dictionary, data.get(), &warnings);
  if (!st) {
    prompter_.error(st.message());
    return false;
  }
  for (const std::string& w : warnings) prompter_.error(w);
  data_ = std::move(data);
  return true;
}

void SpellCheckCommand::SpellCheck1Click() {
  if (!load()) return;
  if (!dialog_) dialog_ = new TSuggestion(parent_);
  const FontConverter converter(ws_.conversion);
  SpellCheckRun run(editor_, *data_, ws_.fonts, converter, prompter_);
  run.CheckSpelling([this](const SpellQuestion& q) { return dialog_->ask(q); });
}

void SpellCheckCommand::write_back() {
  if (!data_) return;
  if (Status st = data_->lexicon.save_additional_dictionary(); !st) prompter_.error(st.message());
}

}  // namespace quilm::ui
