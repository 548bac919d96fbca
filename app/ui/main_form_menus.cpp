// TMainForm: the Edit, View, Insert, Format, Table, Punjabi Utilities and
// Tools menus completed, the menus put in their order, and the handlers that
// enable items when a menu opens. A command the editor cannot do yet is shown
// disabled, with the reason as its status hint.
#include <QAction>
#include <QColorDialog>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QFormLayout>
#include <QMenu>
#include <QMenuBar>
#include <QSpinBox>
#include <QStatusBar>
#include <QTextDocument>
#include <QTextEdit>
#include <QToolBar>
#include <optional>
#include <utility>

#include "analysis/file_statistics.h"
#include "app/paragraph_commands.h"
#include "app/table_commands.h"
#include "app/ui/main_form.h"
#include "app/ui/paragraph_dialogs.h"
#include "app/ui/ruler.h"
#include "app/ui/table_attributes_dialog.h"
#include "app/ui/tool_button.h"
#include "editor/selection_colour.h"
#include "editors/ui/qt_editor.h"

namespace quilm::ui {
namespace {

QAction* add_item(QMenu* menu, const char* name, const QString& caption, QKeySequence shortcut = {}) {
  QAction* a = menu->addAction(caption);
  a->setObjectName(name);
  a->setShortcut(shortcut);
  return a;
}

// A command whose owner is not built yet: present, disabled, with the reason
// as its status hint and as the tip its menu shows.
QAction* unavailable(QMenu* menu, const char* name, const QString& caption, const QString& reason) {
  menu->setToolTipsVisible(true);
  QAction* a = add_item(menu, name, caption);
  a->setEnabled(false);
  a->setStatusTip(reason);
  a->setToolTip(reason);
  return a;
}

QMenu* sub_menu(QMenu* menu, const char* name, const QString& caption) {
  QMenu* sub = menu->addMenu(caption);
  sub->setObjectName(name);
  return sub;
}

// Moves `item` to the end of `to`, keeping its name, shortcut and owner.
void move_item(QAction* item, QMenu* to) {
  for (QObject* o : item->associatedObjects())
    if (auto* m = qobject_cast<QMenu*>(o)) m->removeAction(item);
  to->addAction(item);
}

QColor qt_colour(Color c) { return QColor(static_cast<QRgb>(c)); }
Color editor_colour(const QColor& c) { return static_cast<Color>(c.rgb() & 0xFFFFFF); }

// The rows and columns of a new table, 2 by 2 proposed; nullopt on Cancel.
std::optional<std::pair<int, int>> ask_table_size(QWidget* parent) {
  QDialog dialog(parent);
  dialog.setObjectName("TInsertTable");
  dialog.setWindowTitle(QObject::tr("Insert Table"));
  auto* form = new QFormLayout(&dialog);
  auto spin = [&](const char* name, const QString& label) {
    auto* box = new QSpinBox(&dialog);
    box->setObjectName(name);
    box->setRange(1, 99);
    box->setValue(2);
    form->addRow(label, box);
    return box;
  };
  QSpinBox* rows = spin("Rows", QObject::tr("&Rows:"));
  QSpinBox* columns = spin("Columns", QObject::tr("&Columns:"));
  columns->setMaximum(kMaxTableColumns);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  form->addRow(buttons);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return std::pair{rows->value(), columns->value()};
}

QString statistics_text(const FileStatistics& s) {
  return QObject::tr("Characters (Including spaces): %1\nCharacters (Excluding spaces): %2\nWords: %3\n"
                     "Lines: %4\nPages: %5")
      .arg(s.text.characters)
      .arg(s.text.characters_no_spaces)
      .arg(s.text.words)
      .arg(s.lines)
      .arg(s.pages);
}

}  // namespace

void TMainForm::setupMenus() {
  completeEditMenu();
  completeViewMenu();
  completeInsertMenu();
  setupFormatMenu();
  completeTableMenu();
  setupUtilitiesMenu();
  completeToolsMenu();
  orderMenus();
  completeToolBar();
}

// ---------------------------------------------------------------- Edit

void TMainForm::completeEditMenu() {
  QMenu* edit = menuBar()->findChild<QMenu*>("Edit1");
  QAction* find_part = edit->actions().value(0);  // the separator before Find
  redo_ = new QAction(tr("&Redo"), this);
  connect(redo_, &QAction::triggered, this, [this] { editor_->Redo(); });
  connect(richedit1_, &QTextEdit::redoAvailable, redo_, &QAction::setEnabled);
  delete_ = new QAction(tr("De&lete"), this);
  connect(delete_, &QAction::triggered, this, [this] { editor_->Clip(4); });
  connect(richedit1_, &QTextEdit::copyAvailable, delete_, &QAction::setEnabled);
  auto* select_all = new QAction(tr("Select &All"), this);
  connect(select_all, &QAction::triggered, this, [this] {
    editor_->Select(0, editor_->TextLength());
    for (QAction* a : {delete_, copy_, cut_}) a->setEnabled(editor_->CanCopy());
  });
  const struct {
    QAction* action;
    const char* name;
    QString caption;
    QKeySequence shortcut;
  } items[] = {
      {redo_, "Redo1", tr("&Redo"), QKeySequence(Qt::CTRL | Qt::Key_Y)},
      {undo_, "Undo1", tr("&Undo"), QKeySequence(Qt::CTRL | Qt::Key_Z)},
      {cut_, "Cut1", tr("Cu&t"), QKeySequence(Qt::CTRL | Qt::Key_X)},
      {copy_, "Copy1", tr("&Copy"), QKeySequence(Qt::CTRL | Qt::Key_C)},
      {paste_, "Paste1", tr("&Paste"), QKeySequence(Qt::CTRL | Qt::Key_V)},
      {delete_, "Delete1", tr("De&lete"), QKeySequence(Qt::Key_Delete)},
      {select_all, "SelectAll1", tr("Select &All"), QKeySequence(Qt::CTRL | Qt::Key_A)},
  };
  for (const auto& item : items) {
    item.action->setObjectName(item.name);
    item.action->setText(item.caption);
    item.action->setShortcut(item.shortcut);
    edit->insertAction(find_part, item.action);
    if (item.action == undo_) edit->insertSeparator(find_part);
  }
  connect(edit, &QMenu::aboutToShow, this, &TMainForm::Edit1Click);
  Edit1Click();
}

// Opening the Edit menu: what the editor allows now is enabled.
void TMainForm::Edit1Click() {
  undo_->setEnabled(editor_->CanUndo());
  redo_->setEnabled(editor_->CanRedo());
  for (QAction* a : {delete_, copy_, cut_}) a->setEnabled(editor_->CanCopy());
  paste_->setEnabled(editor_->CanPaste());
}

// ---------------------------------------------------------------- View

void TMainForm::completeViewMenu() {
  QMenu* view = menuBar()->findChild<QMenu*>("View1");
  QAction* zoom = view->findChild<QMenu*>("Zoom1")->menuAction();
  const struct {
    const char* name;
    QString caption;
    QWidget* panel;
  } panels[] = {
      {"FormattingToolbar1", tr("Formatting Toolbar"), button_bar_},
      {"StandardToolbar1", tr("Standard Toolbar"), tool_bar_},
      {"Ruler1", tr("Ruler"), ruler_},
      {"StatusBarItem1", tr("Status Bar"), status_bar_},
  };
  view->insertSeparator(zoom);
  std::vector<std::pair<QAction*, QWidget*>> toggles;
  for (const auto& p : panels) {
    auto* a = new QAction(p.caption, view);
    a->setObjectName(p.name);
    a->setCheckable(true);
    a->setChecked(!p.panel->isHidden());
    connect(a, &QAction::triggered, this, [this, panel = p.panel](bool shown) {
      panel->setVisible(shown);
      ReadjustHeights();
    });
    view->insertAction(zoom, a);
    toggles.emplace_back(a, p.panel);
  }
  auto* control_chars = new QAction(tr("Control Characters"), view);
  control_chars->setObjectName("ControlCharacters1");
  control_chars->setCheckable(true);
  const QTextOption::Flags marks = QTextOption::ShowTabsAndSpaces | QTextOption::ShowLineAndParagraphSeparators;
  connect(control_chars, &QAction::triggered, this, [this, marks](bool on) {
    QTextDocument* doc = richedit1_->document();
    QTextOption option = doc->defaultTextOption();
    option.setFlags(on ? option.flags() | marks : option.flags() & ~marks);
    doc->setDefaultTextOption(option);
  });
  view->insertAction(zoom, control_chars);
  view->insertSeparator(zoom);
  connect(view, &QMenu::aboutToShow, this, [this, control_chars, marks, toggles] {
    control_chars->setChecked(richedit1_->document()->defaultTextOption().flags() & marks);
    for (const auto& [item, panel] : toggles) item->setChecked(!panel->isHidden());
  });
}

// ---------------------------------------------------------------- Insert

void TMainForm::completeInsertMenu() {
  QMenu* insert = menuBar()->findChild<QMenu*>("Insert1");
  QAction* page_number = insert->actions().value(0);
  auto* page_break = new QAction(tr("Page Break"), insert);
  page_break->setObjectName("PageBreak1");
  connect(page_break, &QAction::triggered, this, [this] { editor_->SetSelText(u"\f"); });
  insert->insertAction(page_number, page_break);
  insert->addSeparator();
  const QString no_images = tr("Images are not kept by the document formats yet");
  QMenu* image = sub_menu(insert, "Image1", tr("Image"));
  unavailable(image, "AtCaretPosition1", tr("At caret position..."), no_images);
  unavailable(image, "AsFixedObject1", tr("As fixed object..."), no_images);
  unavailable(insert, "OLEObject1", tr("OLE Object"), tr("Embedded objects are not supported by this editor"));
}

// ---------------------------------------------------------------- Format

void TMainForm::setupFormatMenu() {
  QMenu* format = menuBar()->addMenu(tr("F&ormat"));
  format->setObjectName("Format1");
  connect(add_item(format, "Font1", tr("&Font...")), &QAction::triggered, this, &TMainForm::FontDialogClick);
  connect(add_item(format, "Paragraph1", tr("&Paragraph...")), &QAction::triggered, this,
          [this] { showParagraphDialog<TParagraphDlg>(); });
  connect(add_item(format, "Tab1", tr("Tab...")), &QAction::triggered, this, [this] { showParagraphDialog<TTabDlg>(); });
  connect(add_item(format, "ParagraphFrames1", tr("Paragraph Frames...")), &QAction::triggered, this,
          [this] { showParagraphDialog<TFramesDlg>(); });
  format->addSeparator();
  connect(add_item(format, "TextColour1", tr("Text Colour...")), &QAction::triggered, this,
          [this] { chooseColour(false); });
  connect(add_item(format, "BackgroundColour1", tr("Background Colour...")), &QAction::triggered, this,
          [this] { chooseColour(true); });
  format->addSeparator();
  QMenu* lists = sub_menu(format, "BulletsandNumbering1", tr("&Bullets and Numbering"));
  setupListMenu(lists);
}

// --- Bullets and numbering and the paragraph windows

void TMainForm::setupListMenu(QMenu* lists) {
  connect(add_item(lists, "Attributes2", tr("Attributes...")), &QAction::triggered, this,
          [this] { showParagraphDialog<TListAttributesDlg>(); });
  connect(add_item(lists, "IncreaseLevel1", tr("Increase Level")), &QAction::triggered, this,
          [this] { change_list_level(*editor_, +1); });
  connect(add_item(lists, "DecreaseLevel1", tr("Decrease Level")), &QAction::triggered, this,
          [this] { change_list_level(*editor_, -1); });
  const std::pair<const char*, QString> numberings[] = {
      {"Numbers1", tr("1,2,3")},           {"CapitalLetters1", tr("A,B,C")},
      {"SmallLetters1", tr("a,b,c")},      {"CapitalRoman1", tr("I, II, III, IV")},
      {"SmallRoman1", tr("i, ii, iii, iv")},
  };
  const Numbering formats[] = {Numbering::Arabic, Numbering::UpperLetters, Numbering::LowerLetters,
                               Numbering::UpperRoman, Numbering::LowerRoman};
  for (std::size_t i = 0; i < std::size(formats); ++i) {
    const Numbering n = formats[i];
    connect(add_item(lists, numberings[i].first, numberings[i].second), &QAction::triggered, this,
            [this, n] { make_numbered_list(*editor_, n); });
  }
  connect(add_item(lists, "Bullets1", tr("Bullets")), &QAction::triggered, this,
          [this] { make_bulleted_list(*editor_); });
}

template <typename Window>
void TMainForm::showParagraphDialog() {
  Window window(*editor_, prompter(), this);
  window.exec();
}

void TMainForm::FontDialogClick() {
  const CharFormat now = editor_->Format();
  QFont font(QString::fromStdString(now.font_name), now.font_size);
  font.setBold(now.bold);
  font.setItalic(now.italic);
  font.setUnderline(now.underline);
  font.setStrikeOut(now.strikethru);
  bool ok = false;
  const QFont chosen = QFontDialog::getFont(&ok, font, this, tr("Font"));
  if (!ok) return;
  FormatChange change;
  change.font_name = chosen.family().toStdString();
  if (chosen.pointSize() > 0) change.font_size = chosen.pointSize();
  change.bold = chosen.bold();
  change.italic = chosen.italic();
  change.underline = chosen.underline();
  change.strikethru = chosen.strikeOut();
  editor_->ApplyFormat(change);
  showCaretFormat();
}

// The colour dialog opens on the selection's colour (black when mixed); a
// different choice is applied.
void TMainForm::chooseColour(bool background) {
  const Color now = selection_colour(*editor_, background ? ColourKind::Background : ColourKind::Text);
  const QColor chosen = QColorDialog::getColor(qt_colour(now), this,
                                               background ? tr("Background Colour") : tr("Text Colour"));
  if (!chosen.isValid() || editor_colour(chosen) == now) return;
  if (background)
    editor_->SetTextBkColor(editor_colour(chosen));
  else
    editor_->SetForeColor(editor_colour(chosen));
}

// ---------------------------------------------------------------- Table

void TMainForm::completeTableMenu() {
  QMenu* table = menuBar()->findChild<QMenu*>("Table1");
  QAction* sort = table->findChild<QAction*>("Sort1");
  QMenu* insert = new QMenu(tr("&Insert"), table);
  insert->setObjectName("TableInsert1");
  table->insertMenu(sort, insert);
  connect(add_item(insert, "InsertTable1", tr("&Table...")), &QAction::triggered, this,
          &TMainForm::InsertTable1Click);
  struct Command {
    QMenu* menu;
    const char* name;
    QString caption;
    std::function<Status(Editor&)> run;
  };
  QMenu* remove = sub_menu(table, "TableDelete1", tr("&Delete"));
  QMenu* split = sub_menu(table, "TableSplit1", tr("Split"));
  const Command commands[] = {
      {insert, "ColumnsLeft1", tr("Columns to the &Left"),
       [](Editor& e) { return insert_table_column(e, TableSide::Before); }},
      {insert, "ColumnsRight1", tr("Columns to the &Right"),
       [](Editor& e) { return insert_table_column(e, TableSide::After); }},
      {insert, "RowsAbove1", tr("Rows &Above"), [](Editor& e) { return insert_table_row(e, TableSide::Before); }},
      {insert, "RowsBelow1", tr("Rows &Below"), [](Editor& e) { return insert_table_row(e, TableSide::After); }},
      {remove, "DeleteTable1", tr("Table"), delete_table},
      {remove, "DeleteColumns1", tr("&Columns"), delete_table_columns},
      {remove, "DeleteRows1", tr("&Rows"), delete_table_rows},
      {split, "SplitAbove1", tr("Above"), [](Editor& e) { return split_table(e, TableSide::Before); }},
      {split, "SplitBelow1", tr("Below"), [](Editor& e) { return split_table(e, TableSide::After); }},
  };
  for (const Command& c : commands)
    connect(add_item(c.menu, c.name, c.caption), &QAction::triggered, this, [this, run = c.run] { runTableCommand(run); });
  QMenu* select = sub_menu(table, "TableSelect1", tr("Select"));
  const std::pair<const char*, TablePart> parts[] = {
      {"SelectTable1", TablePart::Table}, {"SelectRow1", TablePart::Row}, {"SelectCell1", TablePart::Cell}};
  const QString part_captions[] = {tr("Table"), tr("Row"), tr("Cell")};
  for (std::size_t i = 0; i < std::size(parts); ++i)
    connect(add_item(select, parts[i].first, part_captions[i]), &QAction::triggered, this, [this, part = parts[i].second] {
      select_table_part(*editor_, part);
      richedit1_->setFocus();
    });
  table->addSeparator();
  QAction* grid = add_item(table, "HideGridlines1", tr("Hide &Gridlines"));
  grid->setCheckable(true);
  connect(grid, &QAction::triggered, this, [this](bool hidden) { editor_->SetTableGridLines(!hidden); });
  connect(add_item(table, "TableAttributes1", tr("&Attributes...")), &QAction::triggered, this,
          &TMainForm::TableAttributes1Click);
  connect(table, &QMenu::aboutToShow, this, &TMainForm::Table1Click);
  Table1Click();
  table->removeAction(sort);
  table->addSeparator();
  table->addAction(sort);
}

void TMainForm::InsertTable1Click() {
  if (const auto size = ask_table_size(this)) editor_->InsertTable(size->first, size->second);
  richedit1_->setFocus();
}

// Opening the Table menu: the table commands follow what the table at the
// caret allows.
void TMainForm::Table1Click() {
  const bool in_table = editor_->TableRowAtInputPos() >= 0;
  for (const char* menu : {"TableDelete1", "TableSplit1", "TableSelect1"})
    findChild<QMenu*>(menu)->menuAction()->setEnabled(in_table);
  const std::pair<const char*, bool> items[] = {
      {"HideGridlines1", in_table},
      {"TableAttributes1", in_table},
      {"ColumnsLeft1", editor_->TableCanInsertColumn()},
      {"ColumnsRight1", editor_->TableCanInsertColumn()},
      {"RowsAbove1", editor_->TableCanInsertLines()},
      {"RowsBelow1", editor_->TableCanInsertLines()},
      {"DeleteColumns1", editor_->TableCanDeleteColumn()},
      {"DeleteRows1", editor_->TableCanDeleteLines()},
  };
  for (const auto& [name, enabled] : items) findChild<QAction*>(name)->setEnabled(enabled);
  findChild<QAction*>("HideGridlines1")->setChecked(!editor_->TableGridLines());
}

void TMainForm::runTableCommand(const std::function<Status(Editor&)>& command) {
  if (const Status done = command(*editor_); !done) prompter_->message(done.message());
  richedit1_->setFocus();
}

void TMainForm::TableAttributes1Click() {
  TableAttributesDialog dialog(*editor_, *prompter_, this);
  if (dialog.prepare()) dialog.exec();
  richedit1_->setFocus();
}

// ---------------------------------------------------------------- Punjabi Utilities and Tools

// The language tools of the document: spell check, font conversion, sort
// and the dictionaries.
void TMainForm::setupUtilitiesMenu() {
  QMenu* utilities = menuBar()->addMenu(tr("&Punjabi Utilities"));
  utilities->setObjectName("PunjabiUtilities1");
  QAction* spell = findChild<QAction*>("SpellCheck1");
  move_item(spell, utilities);
  QMenu* font_convert = menuBar()->findChild<QMenu*>("PunjabiFontConvert1");
  menuBar()->removeAction(font_convert->menuAction());
  move_item(findChild<QAction*>("SortFile1"), utilities);
  utilities->insertMenu(utilities->actions().value(1), font_convert);
  utilities->addSeparator();
  for (const char* name : {"PunjabiEnglishDictionary1", "EnglishPunjabiDictionary1", "PunjabiAdministrativeTerms1",
                           "PunjabiPrefixandSuffixList1"})
    move_item(findChild<QAction*>(name), utilities);
  // Spell Check asks for text only while the menu shows; F7 works as ever
  // once it closes.
  connect(utilities, &QMenu::aboutToShow, this, [this, spell] { spell->setEnabled(editor_->TextLength() > 0); });
  connect(utilities, &QMenu::aboutToHide, this, [spell] { spell->setEnabled(true); });
}

void TMainForm::completeToolsMenu() {
  QMenu* tools = toolsMenu();
  QAction* roman_gurmukhi = add_item(tools, "TransliterateRomantoGurmukhi1", tr("Transliterate Roman to Gurmukhi"));
  roman_gurmukhi->setShortcut(QKeySequence(Qt::Key_F6));
  connect(roman_gurmukhi, &QAction::triggered, this, &TMainForm::TransliteratetoGurmukhi1Click);
  QAction* statistics = add_item(tools, "FileStatistics1", tr("File Statistics..."));
  connect(statistics, &QAction::triggered, this, &TMainForm::FileStatistics1Click);
  const char* order[] = {"PunjabiWritingPad1", "TransliteratetoDevanagri1", "TransliteratetoRoman1",
                         "TransliterateRomantoGurmukhi1", "FrequencyAnalysis1", "FileStatistics1", nullptr,
                         "AdditionalDictionary1", "NewDictionary1", "AddWord1", nullptr, "Options1"};
  QList<QAction*> others = tools->actions();
  for (QAction* a : others) tools->removeAction(a);  // separators are owned by the menu
  for (const char* name : order) {
    if (!name) {
      tools->addSeparator();
      continue;
    }
    QAction* a = findChild<QAction*>(name);
    others.removeAll(a);
    tools->addAction(a);
  }
  // Items added by other groups later in the list keep their place after these.
  for (QAction* a : others)
    if (!a->isSeparator()) tools->addAction(a);
  std::vector<QAction*> need_text;
  for (const char* name : {"TransliteratetoDevanagri1", "TransliteratetoRoman1"})
    need_text.push_back(findChild<QAction*>(name));
  connect(tools, &QMenu::aboutToShow, this, [this, need_text] {
    for (QAction* a : need_text) a->setEnabled(editor_->TextLength() > 0);
  });
  connect(tools, &QMenu::aboutToHide, this, [need_text] {
    for (QAction* a : need_text) a->setEnabled(true);
  });
}

void TMainForm::FileStatistics1Click() { prompter_->message(statistics_text(count_file_statistics(*editor_)).toStdString()); }

void TMainForm::orderMenus() {
  for (const char* name : {"File1", "Edit1", "Search1", "View1", "Insert1", "Format1", "Table1",
                           "PunjabiUtilities1", "Tools1", "Help1"}) {
    QAction* menu = menuBar()->findChild<QMenu*>(name)->menuAction();
    menuBar()->removeAction(menu);
    menuBar()->addAction(menu);
  }
}

// The buttons of the commands that the other groups leave off the tool bar.
void TMainForm::completeToolBar() {
  const struct {
    const char* item;
    const char* button;
    QString caption;
    QString hint;
  } buttons[] = {
      {"Redo1", "RedoButton", tr("Redo"), tr("Redo")},
      {"Import1", "ImportButton", tr("Import"), tr("Import")},
      {"Export1", "ExportButton", tr("Export"), tr("Export")},
      {"EnglishPunjabiDictionary1", "EnglishPunjabiButton", tr("Eng-Pbi"), tr("English-Punjabi Dictionary")},
      {"PunjabiEnglishDictionary1", "PunjabiEnglishButton", tr("Pbi-Eng"), tr("Punjabi-English Dictionary")},
      {"NormalView1", "NormalLayoutButton", tr("Normal"), tr("Normal Layout")},
      {"ExtendedPageView1", "CentredLayoutButton", tr("Centred"), tr("Centred Page Layout")},
      {"SpellCheck1", "SpellCheckButton", tr("Spell"), tr("Spell Check")},
      {"PunjabiWritingPad1", "TypingPadButton", tr("Typing Pad"), tr("Punjabi Typing Pad")},
      {"PageBreak1", "PageBreakButton", tr("Page Break"), tr("Page Break")},
  };
  for (const auto& b : buttons) add_button(*tool_bar_, findChild<QAction*>(b.item), b.button, b.caption, b.hint);
}

// The popup's items run the Edit menu's commands; they follow the editor
// when the popup opens.
void TMainForm::showEditorPopup(const QPoint& at) {
  Edit1Click();
  QMenu popup(richedit1_);
  popup.setObjectName("PopupMenu1");
  const struct {
    QString caption;
    QAction* command;
    bool enabled;
  } items[] = {
      {tr("Undo"), undo_, editor_->CanUndo()},       {tr("Cut"), cut_, editor_->CanCopy()},
      {tr("Copy"), copy_, editor_->CanCopy()},       {tr("Paste"), paste_, editor_->CanPaste()},
      {tr("Delete"), delete_, editor_->CanCopy()},   {tr("Select All"), findChild<QAction*>("SelectAll1"), true},
  };
  for (const auto& item : items) {
    QAction* a = popup.addAction(item.caption, item.command, &QAction::trigger);
    a->setEnabled(item.enabled);
  }
  popup.addSeparator();
  popup.addAction(language_english1_);
  popup.exec(richedit1_->mapToGlobal(at));
}

}  // namespace quilm::ui
