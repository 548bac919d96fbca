#include "app/ui/spell_check_command.h"

#include <QTextCursor>

#include "fonts/conversion.h"
#include "spell/additional_dictionaries.h"
#include "spell/spell_check_run.h"
#include "spell/spell_data.h"
#include "spell/new_dictionary.h"
#include "spell/ui/additional_dictionary_dialog.h"
#include "spell/ui/new_dictionary_dialog.h"
#include "spell/ui/suggestion_dialog.h"

namespace quilm::ui {

SpellCheckCommand::SpellCheckCommand(QWidget* parent, Workspace& workspace, QtEditor& editor, Prompter& prompter)
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
  if (!dialog_) {
    dialog_ = new TSuggestion(parent_);
    dialog_->set_options([this] { choose_dictionary(); });
  }
  const FontConverter converter(ws_.conversion);
  SpellCheckRun run(editor_, *data_, ws_.fonts, converter, prompter_);
  run.CheckSpelling([this](const SpellQuestion& q) { return dialog_->ask(q, word_on_screen(q)); });
}

QRect SpellCheckCommand::word_on_screen(const SpellQuestion& question) const {
  QTextEdit* edit = editor_.widget();
  if (!edit->isVisible()) return {};
  edit->ensureCursorVisible();
  QTextCursor at(edit->document());
  at.setPosition(question.start);
  const QRect first = edit->cursorRect(at);
  at.setPosition(std::min(question.start + static_cast<int>(question.word.size()), edit->document()->characterCount() - 1));
  const QRect word = first.united(edit->cursorRect(at));
  return {edit->viewport()->mapToGlobal(word.topLeft()), word.size()};
}

void SpellCheckCommand::choose_dictionary() {
  TAdditionalDict window(dialog_ ? static_cast<QWidget*>(dialog_) : parent_);
  const std::optional<std::string> chosen =
      window.choose(additional_dictionary_names(ws_.data_folder), ws_.settings.additional_dictionary);
  if (!chosen) return;
  Status problem = Status::Ok();
  choose_additional_dictionary(data_->lexicon, ws_.data_folder, ws_.settings.additional_dictionary, *chosen, &problem);
  if (!problem) prompter_.error(problem.message());
}

void SpellCheckCommand::use_additional_dictionary(const std::string& name) {
  if (!data_) {  // read with the setting on first use
    ws_.settings.additional_dictionary = name;
    return;
  }
  Status problem = Status::Ok();
  choose_additional_dictionary(data_->lexicon, ws_.data_folder, ws_.settings.additional_dictionary, name, &problem);
  if (!problem) prompter_.error(problem.message());
}

void SpellCheckCommand::AdditionalDictionaryClick() {
  if (load()) choose_dictionary();
}

void SpellCheckCommand::NewDictionaryClick() {
  TNewDict window(ws_.data_folder, prompter_, parent_);
  if (window.exec() != QDialog::Accepted || !window.created() || !window.set_default()) return;
  if (!data_) {
    // Not read yet: the first check reads the new, empty file.
    ws_.settings.additional_dictionary = dictionary_file_name(*window.created());
    return;
  }
  if (Status st = make_new_dictionary_current(data_->lexicon, ws_.data_folder, ws_.settings.additional_dictionary,
                                              *window.created());
      !st)
    prompter_.error(st.message());
}

void SpellCheckCommand::write_back() {
  if (!data_) return;
  if (Status st = data_->lexicon.save_additional_dictionary(); !st) prompter_.error(st.message());
}

}  // namespace quilm::ui
