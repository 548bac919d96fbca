// TMainForm: the on-screen keyboard panel, the symbol insertion it drives,
// and the Tools menu's windows of the user dictionaries.
#include <QAction>
#include <QMenu>
#include <QTextEdit>

#include "app/ui/main_form.h"
#include "app/ui/spell_check_command.h"
#include "app/ui/symbol_insertion.h"
#include "editors/ui/qt_editor.h"
#include "roman/ui/add_word_window.h"
#include "typing/onscreen_keys.h"
#include "typing/ui/onscreen_keyboard.h"

namespace quilm::ui {

void TMainForm::setupOnscreenKeyboard() {
  keyboard_ = new OnscreenKeyboard(client_);
  keyboard_panel_ = keyboard_;
  connect(keyboard_, &OnscreenKeyboard::symbolClicked, this, &TMainForm::OnScreenKeyClick);
}

void TMainForm::initialise_hints() {
  const FontConverter converter(ws_.conversion);
  keyboard_->initialise_hints(ws_.typing.keyboard_layout, ws_.fonts.get_font_index(editor_->FontName()), converter);
}

// The panel is switched on: the editor types in a Gurmukhi font from now on.
void TMainForm::keyboardPanelShown() {
  if (!ws_.fonts.check_font_punjabi(editor_->FontName())) editor_->SetFontName(std::string(typing::kKeyboardFont));
  initialise_hints();
}

void TMainForm::OnScreenKeyClick(const QByteArray& quilm) {
  typing::Keyboard keyboard{*editor_, ws_.fonts, ws_.conversion, *prompter_, ws_.typing,
                            ws_.settings.legal_combination_check};
  const SymbolPlaces places{richedit1_, add_word_ && add_word_->isVisible() ? add_word_->gurmukhi_box() : nullptr};
  initialise_formfind(quilm, places, keyboard, {ws_.settings.punjabi_font, ws_.settings.punjabi_font_size});
}

// "Tools": the additional dictionary, a new one, and "Add Word" for the
// Roman dictionary.
void TMainForm::setupUserDictionaryActions() {
  QMenu* tools = toolsMenu();
  tools->addSeparator();
  auto spell = [this]() -> SpellCheckCommand& {
    if (!spell_check_) spell_check_ = std::make_unique<SpellCheckCommand>(this, ws_, *editor_, *prompter_);
    return *spell_check_;
  };
  QAction* choose = tools->addAction("Additional Dictionary...", this, [spell] { spell().AdditionalDictionaryClick(); });
  choose->setObjectName("AdditionalDictionary1");
  QAction* fresh = tools->addAction("New Dictionary...", this, [spell] { spell().NewDictionaryClick(); });
  fresh->setObjectName("NewDictionary1");
  QAction* add = tools->addAction("Add Word", this, &TMainForm::AddWord1Click);
  add->setObjectName("AddWord1");
}

// At the top of the client area, against its right edge.
void TMainForm::AddWord1Click() {
  if (!add_word_) add_word_ = new TAddWord(ws_.data_folder, ws_.fonts, ws_.conversion, *prompter_, this);
  add_word_->prepare(editor_->FontName(), ws_.settings.punjabi_font, editor_->SelText());
  const QPoint top_right = client_->mapToGlobal(QPoint(client_->width() - add_word_->frameGeometry().width(), 0));
  add_word_->move(top_right);
  add_word_->show();
  add_word_->raise();
}

}  // namespace quilm::ui
