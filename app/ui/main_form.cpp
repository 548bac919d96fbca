#include "app/ui/main_form.h"

#include <algorithm>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTextEdit>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

#include "app/document/converting_encodings.h"
#include "app/document/recent_files.h"
#include "app/document/workspace_document.h"
#include "app/keyboard_layout_choice.h"
#include "app/main_layout.h"
#include "app/quotation_marks.h"
#include "app/startup.h"
#include "analysis/ui/freq_sel.h"
#include "sort/ui/sort_file_dialog.h"
#include "sort/ui/table_sort_dialog.h"
#include "app/ui/help_window.h"
#include "app/ui/page_commands.h"
#include "app/ui/qt_file_dialogs.h"
#include "app/ui/ruler.h"
#include "app/ui/spell_check_command.h"
#include "app/ui/tool_button.h"
#include "convert/change_font.h"
#include "convert/ui/change_font_dialog.h"
#include "convert/ui/convert_font_dialog.h"
#include "dict/ui/admin_terms_window.h"
#include "dict/ui/affix_window.h"
#include "dict/ui/dictionary_window.h"
#include "dict/ui/find_window.h"
#include "roman/ui/punjabi_text_window.h"
#include "roman/ui/typing_pad_window.h"
#include "editors/ui/qt_editor.h"
#include "fonts/ui/font_names.h"
#include "translit/devanagari_fonts.h"
#include "translit/ui/roman_window.h"
#include "translit/ui/transliterate_dialog.h"
#include "typing/caret_status.h"
#include "typing/key_press.h"
#include "typing/language_toggle.h"
#include "typing/type_key.h"

namespace quilm::ui {
namespace {

constexpr int kToolBarHeight = 30;
constexpr int kButtonBarHeight = 30;
constexpr int kRulerHeight = 24;
constexpr int kStatusBarHeight = 24;

QString qs(const std::string& s) { return QString::fromStdString(s); }

QFrame* sunken_panel(QWidget* parent, const char* name) {
  auto* frame = new QFrame(parent);
  frame->setObjectName(name);
  frame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  frame->setLineWidth(1);
  return frame;
}

// A bar of text buttons inside the client area, where ReadjustHeights places it.
QToolBar* text_bar(QWidget* parent, const char* name) {
  auto* bar = new QToolBar(parent);
  bar->setObjectName(name);
  bar->setMovable(false);
  bar->setFloatable(false);
  bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
  return bar;
}

QLabel* add_panel(QWidget* row, const StatusPanel& panel) {
  auto* label = new QLabel(panel.initial_text, row);
  label->setObjectName(panel.name);
  label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  label->setFixedWidth(panel.width);
  row->layout()->addWidget(label);
  return label;
}

}  // namespace

TMainForm::TMainForm(const std::filesystem::path& data_folder, Prompter* prompter, FileDialogs* file_dialogs)
    : qt_prompter_(this), prompter_(prompter ? prompter : &qt_prompter_), file_dialogs_(file_dialogs) {
  setObjectName("TMainForm");
  setWindowTitle(kProgramTitle);
  resize(1000, 720);
  setupWidgets();
  if (!file_dialogs_) {
    qt_file_dialogs_ = std::make_unique<QtFileDialogs>(this);
    file_dialogs_ = qt_file_dialogs_.get();
  }
  encodings_ = std::make_unique<ConvertingEncodings>(ws_, *prompter_);
  document_ = std::make_unique<DocumentCommands>(ws_, *editor_, *prompter_, *file_dialogs_, *encodings_);
  setupFileActions();
  setupEditActions();
  setupFindActions();
  setupViewActions();
  page_commands_->add_insert_items(*menuBar(), *tool_bar_);
  setupQuotationMarks();
  setupFontConvertActions();
  setupTextActions();
  setupEditorPopup();
  setupTransliterationActions();
  setupAnalysisActions();
  setupSortActions();
  setupDictionaryActions();
  setupGoToAndOptions();
  help_commands_ = new HelpCommands(*this);
  help_commands_->add_help_menu(*menuBar());
  setupTypingPadAction();
  setupUserDictionaryActions();
  setupMenus();
  qt_prompter_.attach_status(panels_.hint, progress_bar_);
  ws_.data_folder = data_folder;
  FormCreate();
}

// QWidget's own destructor moves the focus away and so emits focusChanged
// after this part of the object is gone: the hint handler must not hear it.
TMainForm::~TMainForm() { disconnect(focus_hints_); }

Editor& TMainForm::editor() { return *editor_; }

QLabel* TMainForm::status_panel(const char* name) const { return status_bar_->findChild<QLabel*>(name); }

// ---------------------------------------------------------------- widgets

void TMainForm::setupWidgets() {
  client_ = new QWidget(this);
  client_->setObjectName("ClientArea");
  setCentralWidget(client_);
  tool_bar_ = text_bar(client_, "ToolPanel");
  button_bar_ = text_bar(client_, "TXButtonBar1");
  setupOnscreenKeyboard();
  ruler_ = new Ruler(client_);
  setupEditor();
  setupStatusBar();
}

void TMainForm::setupEditor() {
  richedit1_ = new QTextEdit(client_);
  richedit1_->setObjectName("richedit1");
  richedit1_->setAcceptRichText(true);
  richedit1_->installEventFilter(this);
  richedit1_->viewport()->installEventFilter(this);
  editor_ = std::make_unique<QtEditor>(richedit1_);
  editor_->SetLegacyFonts([this](const std::string& name) { return ws_.fonts.check_font_punjabi(name); });
  connect(richedit1_, &QTextEdit::cursorPositionChanged, this, &TMainForm::richedit1PositionChanged);
}

void TMainForm::setupStatusBar() {
  status_bar_ = new QStatusBar(client_);
  status_bar_->setObjectName("StatusBar1");
  status_bar_->setSizeGripEnabled(false);
  // One row of panels a pixel apart, as the panels of the status bar sit.
  auto* row = new QWidget(status_bar_);
  auto* panels = new QHBoxLayout(row);
  panels->setContentsMargins(0, 0, 0, 0);
  panels->setSpacing(1);
  panels_.page = add_panel(row, kPagePanel);
  panels_.line = add_panel(row, kLinePanel);
  panels_.column = add_panel(row, kColumnPanel);
  panels_.caps = add_panel(row, kCapsPanel);
  panels_.num = add_panel(row, kNumPanel);
  panels_.layout = add_panel(row, kLayoutPanel);
  panels_.hint = add_panel(row, kHintPanel);
  panels_.progress = sunken_panel(row, kProgressPanel.name);
  progress_bar_ = new QProgressBar(panels_.progress);
  progress_bar_->setObjectName("ProgressBar1");
  progress_bar_->setTextVisible(false);
  progress_bar_->hide();
  auto* fill = new QHBoxLayout(panels_.progress);
  fill->setContentsMargins(1, 1, 1, 1);
  fill->addWidget(progress_bar_);
  panels->addWidget(panels_.progress, 1);  // takes what the others leave
  status_bar_->addWidget(row, 1);
}

// ---------------------------------------------------------------- commands

void TMainForm::setupFileActions() {
  QMenu* menu = menuBar()->addMenu(tr("&File"));
  menu->setObjectName("File1");
  connect(menu, &QMenu::aboutToShow, this, &TMainForm::File1Click);
  auto add = [&](const char* name, const QString& caption, std::function<void()> command) {
    QAction* a = menu->addAction(caption, this, [this, command] { runFileCommand(command); });
    a->setObjectName(name);
    return a;
  };
  new1_ = add("New1", tr("&New"), [this] { document_->New1Click(); });
  new1_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
  add_button(*tool_bar_, new1_, "NewButton", tr("New"), tr("New Document"));
  open1_ = add("Open1", tr("&Open..."), [this] { document_->Open1Click(); });
  open1_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
  add_button(*tool_bar_, open1_, "OpenButton", tr("Open"), tr("Open Document"));
  close1_ = add("Close1", tr("&Close"), [this] { document_->Close1Click(); });
  save1_ = add("Save1", tr("&Save"), [this] { document_->Save1Click(); });
  save1_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
  add_button(*tool_bar_, save1_, "SaveButton", tr("Save"), tr("Save Document"));
  save_as1_ = add("SaveAs1", tr("Save&As..."), [this] { document_->SaveAs1Click(); });
  menu->addSeparator();
  import1_ = add("Import1", tr("Import..."), [this] { document_->Import1Click(); });
  export1_ = add("Export1", tr("Export..."), [this] { document_->Export1Click(); });
  // The numerals the AnmolLipi family draws at its digit bytes, in the Unicode export.
  QAction* digits = menu->addAction(tr("Gurmukhi Digits in Unicode Export"));
  digits->setObjectName("GurmukhiDigits1");
  digits->setCheckable(true);
  digits->setChecked(ws_.export_gurmukhi_digits);
  connect(digits, &QAction::toggled, this, [this](bool on) { ws_.export_gurmukhi_digits = on; });
  page_commands_ = new PageCommands(*this, *editor_, [this] { return ws_.document.name; });
  page_commands_->add_file_items(*menu, *tool_bar_);
  menu->addSeparator();
  filename1_ = add("Filename1", tr("&1"), [this] { document_->RecentFileClick(1); });
  filename2_ = add("FileName2", tr("&2"), [this] { document_->RecentFileClick(2); });
  menu->addSeparator();
  exit1_ = menu->addAction(tr("E&xit"), this, &TMainForm::Exit1Click);
  exit1_->setObjectName("Exit1");
  exit1_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
  // RichEdit1Change; the items follow the document as the menu does, so that
  // their shortcuts do only what the menu allows.
  connect(richedit1_, &QTextEdit::textChanged, this, [this] {
    document_->DocumentChanged();
    File1Click();
  });
  File1Click();
}

void TMainForm::runFileCommand(const std::function<void()>& command) {
  command();
  showDocumentState();
}

// Opening the File menu: what the document allows is enabled.
void TMainForm::File1Click() {
  const FileMenuState state = document_->File1Click();
  close1_->setEnabled(state.close);
  save1_->setEnabled(state.save);
  save_as1_->setEnabled(state.save_as);
  export1_->setEnabled(state.export_);
}

void TMainForm::showDocumentState() {
  setWindowTitle(qs(ws_.document.name));
  // A path may hold '&', which a caption would take for an accelerator.
  auto show_recent = [](QAction* item, const std::string& caption) {
    const std::string text = recent_menu_text(caption);
    item->setText(qs(text));
    item->setVisible(!text.empty());
  };
  show_recent(filename1_, ws_.settings.recent_file1);
  show_recent(filename2_, ws_.settings.recent_file2);
  checkViewItem(ws_.settings.view_mode);
  File1Click();
  // New, Open and Import put the caret somewhere else without moving it.
  richedit1PositionChanged();
  showCaretFormat();
}

// The edit buttons of the tool bar; the editor's own keys do the same.
void TMainForm::setupEditActions() {
  cut_ = new QAction(tr("Cut"), this);
  connect(cut_, &QAction::triggered, this, [this] { editor_->Clip(1); });
  add_button(*tool_bar_, cut_, "CutButton", tr("Cut"), tr("Cut"));
  copy_ = new QAction(tr("Copy"), this);
  connect(copy_, &QAction::triggered, this, [this] { editor_->Clip(2); });
  add_button(*tool_bar_, copy_, "CopyButton", tr("Copy"), tr("Copy"));
  paste_ = new QAction(tr("Paste"), this);
  connect(paste_, &QAction::triggered, this, [this] { editor_->Clip(3); });
  add_button(*tool_bar_, paste_, "PasteButton", tr("Paste"), tr("Paste"));
  undo_ = new QAction(tr("Undo"), this);
  connect(undo_, &QAction::triggered, this, [this] { editor_->Undo(); });
  add_button(*tool_bar_, undo_, "UndoButton", tr("Undo"), tr("Undo"));

  connect(richedit1_, &QTextEdit::undoAvailable, undo_, &QAction::setEnabled);
  connect(richedit1_, &QTextEdit::copyAvailable, cut_, &QAction::setEnabled);
  connect(richedit1_, &QTextEdit::copyAvailable, copy_, &QAction::setEnabled);
  if (const QClipboard* clipboard = QApplication::clipboard())
    connect(clipboard, &QClipboard::dataChanged, this, &TMainForm::clipboardDataChanged);
  refreshEditActions();
}

// "&Find..." (Ctrl+F) and "Replace..." (Ctrl+H) of the Search menu, also
// at the foot of the Edit menu where word processor users look for them,
// and "Find & Replace" on the tool bar.
void TMainForm::setupFindActions() {
  QMenu* edit = menuBar()->findChild<QMenu*>("Edit1");
  if (!edit) {
    edit = menuBar()->addMenu(tr("&Edit"));
    edit->setObjectName("Edit1");
  }
  QMenu* search = menuBar()->addMenu(tr("&Search"));
  search->setObjectName("Search1");
  QAction* find = search->addAction(tr("&Find..."), this, &TMainForm::Find1Click);
  find->setObjectName("Find1");
  find->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F));
  QAction* replace = search->addAction(tr("Replace..."), this, &TMainForm::Replace1Click);
  replace->setObjectName("Replace1");
  replace->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_H));
  edit->addSeparator();
  edit->addAction(find);
  edit->addAction(replace);
  add_button(*tool_bar_, find, "FindButton", tr("Find"), tr("Find & Replace"));
  // The menus show the items only while the editor holds text; the
  // shortcuts work again once a menu closes.
  for (QMenu* menu : {edit, search}) {
    connect(menu, &QMenu::aboutToShow, this, [this, find, replace] {
      const bool has_text = editor_->TextLength() > 0;
      find->setEnabled(has_text);
      replace->setEnabled(has_text);
    });
    connect(menu, &QMenu::aboutToHide, this, [find, replace] {
      find->setEnabled(true);
      replace->setEnabled(true);
    });
  }
}

// The window sits against the right edge of the main window.
void TMainForm::placeFindWindow() {
  if (!find_window_) find_window_ = new Tformfind(*editor_, ws_.fonts, ws_.conversion, *prompter_, this);
  ws_.conversion.typing = false;
  const QRect frame = frameGeometry();
  find_window_->move(frame.right() - find_window_->frameGeometry().width(), frame.top());
}

void TMainForm::Find1Click() {
  placeFindWindow();
  find_window_->ShowFind();
}

void TMainForm::Replace1Click() {
  placeFindWindow();
  find_window_->ShowReplace();
}

void TMainForm::setupViewActions() {
  QMenu* menu = menuBar()->addMenu(tr("&View"));
  menu->setObjectName("View1");
  const char* names[] = {"NormalView1", "PageView1", "ExtendedPageView1"};
  const QString captions[] = {tr("Normal Layout"), tr("Page Layout"), tr("Centred Page Layout")};
  for (int mode = 0; mode < 3; ++mode) {
    QAction* a = menu->addAction(captions[mode], this, [this, mode] { setViewMode(mode); });
    a->setObjectName(names[mode]);
    a->setCheckable(true);
    view_items_.push_back(a);
  }
  menu->addSeparator();
  // A checkable item has already flipped its check mark when it triggers.
  onscreen_keyboard1_ = menu->addAction(tr("&Onscreen Keyboard"), this, &TMainForm::applyKeyboardPanel);
  onscreen_keyboard1_->setObjectName("OnScreenKeyboard1");
  onscreen_keyboard1_->setCheckable(true);
  onscreen_keyboard1_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_K));
  add_button(*tool_bar_, onscreen_keyboard1_, "KeyboardButton", tr("Keyboard"), tr("Onscreen Keyboard"));
  QMenu* zoom = menu->addMenu(tr("Zoom"));
  zoom->setObjectName("Zoom1");
  for (int percent : {25, 50, 75, 100, 125, 150, 200, 300, 400}) {
    QAction* a = zoom->addAction(QString("%1%").arg(percent), this, [this, percent] { setZoom(percent); });
    a->setCheckable(true);
    a->setData(percent);
    zoom_items_.push_back(a);
  }
}

// The quotation marks SpeedButton14 to SpeedButton17.
void TMainForm::setupQuotationMarks() {
  for (std::size_t i = 0; i < kQuotationMarks.size(); ++i) {
    const QString mark(QChar(kQuotationMarks[i]));
    auto* a = new QAction(mark, this);
    connect(a, &QAction::triggered, this,
            [this, m = kQuotationMarks[i]] { insert_quotation_mark(*editor_, ws_.fonts, m); });
    const QByteArray name = QString("SpeedButton%1").arg(14 + static_cast<int>(i)).toLatin1();
    add_button(*tool_bar_, a, name.constData(), mark, QString());
  }
}

// "Punjabi Font Convert": the document in the editor and files on disk.
void TMainForm::setupFontConvertActions() {
  QMenu* menu = menuBar()->addMenu(tr("Punjabi Font Convert"));
  menu->setObjectName("PunjabiFontConvert1");
  current_file1_ = menu->addAction(tr("Current File"), this, &TMainForm::CurrentFile1Click);
  current_file1_->setObjectName("CurrentFile1");
  current_file1_->setShortcut(QKeySequence(Qt::Key_F8));
  add_button(*tool_bar_, current_file1_, "FontConvertButton", tr("Font Convert"), tr("Punjabi Font Convert"));
  external_file1_ = menu->addAction(tr("External File"), this, &TMainForm::ExternalFile1Click);
  external_file1_->setObjectName("ExternalFile1");
  setupSpellCheckAction();
}

// The editor's button bar: font name and size, bold, italic, underline.
void TMainForm::setupTextActions() {
  font_box_ = new QComboBox(button_bar_);
  font_box_->setObjectName("FontBox");
  font_box_->setEditable(true);
  font_box_->setMinimumWidth(200);
  button_bar_->addWidget(font_box_);
  connect(font_box_, &QComboBox::textActivated, this, [this](const QString& name) {
    editor_->SetFontName(name.toStdString());
    richedit1_->setFocus();
  });
  size_box_ = new QComboBox(button_bar_);
  size_box_->setObjectName("SizeBox");
  size_box_->setEditable(true);
  for (int size : {8, 9, 10, 11, 12, 14, 16, 18, 20, 22, 24, 26, 28, 36, 48, 72})
    size_box_->addItem(QString::number(size));
  button_bar_->addWidget(size_box_);
  connect(size_box_, &QComboBox::textActivated, this, [this](const QString& size) {
    bool ok = false;
    const int points = size.toInt(&ok);
    if (ok && points > 0) editor_->SetFontSize(points);
    richedit1_->setFocus();
  });
  // Framed buttons, as the editor's own format bar has them.
  auto toggle = [&](const QString& caption, void (Editor::*set)(bool)) {
    QAction* a = button_bar_->addAction(caption);
    a->setCheckable(true);
    static_cast<QToolButton*>(button_bar_->widgetForAction(a))->setAutoRaise(false);
    connect(a, &QAction::triggered, this, [this, set](bool on) { (editor_.get()->*set)(on); });
    return a;
  };
  bold_ = toggle(tr("B"), &Editor::SetFontBold);
  italic_ = toggle(tr("I"), &Editor::SetFontItalic);
  underline_ = toggle(tr("U"), &Editor::SetFontUnderline);
  connect(richedit1_, &QTextEdit::currentCharFormatChanged, this, &TMainForm::showCaretFormat);
  setupLayoutBox();
}

// The keyboard layouts the settings name, to type with from now on.
void TMainForm::setupLayoutBox() {
  button_bar_->addSeparator();
  layout_box_ = new QComboBox(button_bar_);
  layout_box_->setObjectName("LayoutBox");
  layout_box_->setToolTip(tr("Keyboard Layout"));
  layout_box_->setStatusTip(tr("Keyboard Layout"));
  for (const std::string& item : keyboard_layout_items(ws_.fonts)) layout_box_->addItem(qs(item));
  button_bar_->addWidget(layout_box_);
  connect(layout_box_, &QComboBox::activated, this, [this](int choice) {
    choose_keyboard_layout(ws_.settings, ws_.typing, choice, keyboard_layout_items(ws_.fonts), ws_.fonts);
    showTypingState();
    initialise_hints();
    richedit1_->setFocus();
  });
}

void TMainForm::setupEditorPopup() {
  language_english1_ = new QAction(typing::language_caption(ws_.typing), this);
  language_english1_->setObjectName("LanguageEnglish1");
  language_english1_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
  language_english1_->setShortcutContext(Qt::WidgetShortcut);
  richedit1_->addAction(language_english1_);
  connect(language_english1_, &QAction::triggered, this, &TMainForm::LanguageEnglish1Click);
  richedit1_->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(richedit1_, &QWidget::customContextMenuRequested, this, &TMainForm::showEditorPopup);
}

// The "Tools" menu, made by the first group of commands that goes in it.
QMenu* TMainForm::toolsMenu() {
  if (!tools_menu_) {
    tools_menu_ = menuBar()->addMenu(tr("&Tools"));
    tools_menu_->setObjectName("Tools1");
  }
  return tools_menu_;
}

// "Spell Check" (F7).
void TMainForm::setupSpellCheckAction() {
  QAction* spell = toolsMenu()->addAction("Spell Check", this, [this] {
    if (!spell_check_) spell_check_ = std::make_unique<SpellCheckCommand>(this, ws_, *editor_, *prompter_);
    spell_check_->SpellCheck1Click();
    refreshLockIndicators();
  });
  spell->setObjectName("SpellCheck1");
  spell->setShortcut(QKeySequence(Qt::Key_F7));
}

void TMainForm::CurrentFile1Click() {
  if (!change_font_) {
    change_font_ = new ChangeFontDialog(workspace_font_conversion(ws_), *editor_, *prompter_, this);
    connect(change_font_, &QDialog::finished, this, [this] { prompter_->status_caption(""); });
  }
  // The selection stays as it is: the dialog converts only the selection
  // when there is one, and puts the caret back at its start afterwards.
  prompter_->status_caption(kConvertingFontCaption);
  change_font_->show();
  change_font_->raise();
  refreshLockIndicators();
}

// "Tools": the transliterations of the document.
void TMainForm::setupTransliterationActions() {
  QMenu* tools = toolsMenu();
  QAction* roman = tools->addAction("Transliterate Gurmukhi to Roman", this, &TMainForm::TransliteratetoRoman1Click);
  roman->setObjectName("TransliteratetoRoman1");
  roman->setShortcut(QKeySequence(Qt::Key_F5));
  QAction* hindi =
      tools->addAction("Transliterate Gurmukhi to Devanagri ", this, &TMainForm::TransliteratetoDevanagri1Click);
  hindi->setObjectName("TransliteratetoDevanagri1");
  hindi->setShortcut(QKeySequence(Qt::Key_F4));
}

// "Tools": the bilingual dictionaries.
void TMainForm::setupDictionaryActions() {
  QMenu* tools = toolsMenu();
  QAction* pe = tools->addAction("Punjabi English Dictionary", this, [this] { showDictionary(true); });
  pe->setObjectName("PunjabiEnglishDictionary1");
  pe->setToolTip("Punjabi-English Dictionary");
  QAction* ep = tools->addAction("English-Punjabi Dictionary", this, [this] { showDictionary(false); });
  ep->setObjectName("EnglishPunjabiDictionary1");
  ep->setToolTip("English-Punjabi Dictionary");
  ep->setShortcut(QKeySequence(Qt::Key_F10));
  pe->setShortcut(QKeySequence(Qt::Key_F9));
  QAction* adt = tools->addAction("Punjabi Administrative Terms", this, &TMainForm::showAdministrativeTerms);
  adt->setObjectName("PunjabiAdministrativeTerms1");
  adt->setShortcut(QKeySequence(Qt::Key_F11));
  QAction* affix = tools->addAction("Punjabi Prefix and Suffix  List", this, &TMainForm::showAffixLists);
  affix->setObjectName("PunjabiPrefixandSuffixList1");
  affix->setShortcut(QKeySequence(Qt::Key_F12));
}

MeaningText TMainForm::punjabiDefaultFont() const {
  return MeaningText{u"", ws_.settings.punjabi_font, ws_.settings.punjabi_font_size};
}

// Both windows sit at the right edge of this one.
void TMainForm::placeAtRightEdge(QWidget* window) {
  const QRect frame = frameGeometry();
  window->move(frame.right() - window->frameGeometry().width(), frame.top());
}

void TMainForm::showAdministrativeTerms() {
  if (!admin_terms_) {
    admin_terms_ = new TAdministrativeWindow(*editor_, ws_.fonts, ws_.conversion, *prompter_, ws_.data_folder,
                                             punjabiDefaultFont(), this);
  }
  placeAtRightEdge(admin_terms_);
  admin_terms_->ShowTerms();
  admin_terms_->raise();
}

void TMainForm::showAffixLists() {
  if (!affix_lists_) {
    affix_lists_ =
        new TAffixWindow(*editor_, ws_.fonts, ws_.conversion, *prompter_, ws_.data_folder, punjabiDefaultFont(), this);
  }
  placeAtRightEdge(affix_lists_);
  affix_lists_->ShowAffixes();
  affix_lists_->raise();
}

// With the option on, a double-clicked word opens the dictionary of its
// language: Punjabi-English in a Gurmukhi font or for Unicode Gurmukhi,
// English-Punjabi otherwise.
void TMainForm::richedit1DblClick() {
  for (TDictionaryWindow* window : {punjabi_english_, english_punjabi_})
    if (window) window->close();
  const std::u16string word = editor_->SelText();
  const bool unicode_gurmukhi =
      std::any_of(word.begin(), word.end(), [](char16_t c) { return c >= 0x0A00 && c <= 0x0A7F; });
  showDictionary(unicode_gurmukhi || ws_.fonts.check_font_punjabi(editor_->Format().font_name));
}

void TMainForm::showDictionary(bool punjabi_english) {
  TDictionaryWindow*& window = punjabi_english ? punjabi_english_ : english_punjabi_;
  if (!window) {
    const Settings& s = ws_.settings;
    const MeaningText meaning_font =
        punjabi_english ? MeaningText{u"", s.english_font, s.english_font_size} : punjabiDefaultFont();
    window = new TDictionaryWindow(
        punjabi_english ? DictionaryDirection::PunjabiEnglish : DictionaryDirection::EnglishPunjabi, *editor_,
        ws_.fonts, ws_.conversion, *prompter_, ws_.data_folder, meaning_font, this);
  }
  ws_.conversion.typing = false;
  placeAtRightEdge(window);
  window->ShowDictionary();
  window->raise();
}

// "Punjabi Writing Pad" (F3): the typing pad, not modal, made on first use,
// at the right edge of this window.
void TMainForm::setupTypingPadAction() {
  QAction* pad = toolsMenu()->addAction("Punjabi Writing Pad", this, [this] {
    if (!typing_pad_) {
      const Settings& s = ws_.settings;
      typing_pad_ = new TPunjabiType({ws_.fonts, ws_.conversion, *editor_, *prompter_, ws_.data_folder, s.english_font,
                                      s.english_font_size, s.punjabi_font, s.punjabi_font_size},
                                     this);
      placeAtRightEdge(typing_pad_);
    }
    ws_.conversion.typing = false;
    typing_pad_->show();
    typing_pad_->raise();
    typing_pad_->activateWindow();
  });
  pad->setObjectName("PunjabiWritingPad1");
  pad->setToolTip("Punjabi Typing Pad");
  pad->setShortcut(QKeySequence(Qt::Key_F3));
}

// The window opens at the top of the screen, right-aligned with this one;
// showing it runs the transliteration.
void TMainForm::TransliteratetoRoman1Click() {
  if (!roman_window_) {
    roman_window_ = new RomanWindow({ws_.fonts, ws_.conversion, *editor_, *prompter_, *file_dialogs_, ws_.data_folder},
                                    this);
  }
  const QRect frame = frameGeometry();
  roman_window_->move(frame.right() - roman_window_->frameGeometry().width(), 0);
  if (roman_window_->isVisible()) {
    roman_window_->TransliterateClick();
  } else {
    roman_window_->show();
  }
  roman_window_->raise();
}

// The window opens at the top of the screen, right-aligned with this one,
// and stays on top; showing it runs the transliteration.
void TMainForm::TransliteratetoGurmukhi1Click() {
  if (!punjabi_text_) {
    punjabi_text_ = new TRomanGurTransliterate(
        {ws_.fonts, *editor_, *prompter_, *file_dialogs_, ws_.data_folder}, this);
    connect(punjabi_text_, &TRomanGurTransliterate::addWordRequested, this, &TMainForm::AddWord1Click);
  }
  const QRect frame = frameGeometry();
  punjabi_text_->move(frame.right() - punjabi_text_->frameGeometry().width(), 0);
  if (punjabi_text_->isVisible()) punjabi_text_->TransliterateClick();
  else punjabi_text_->show();
  punjabi_text_->raise();
}

void TMainForm::TransliteratetoDevanagri1Click() {
  prompter_->status_caption(kDevanagariCaption);
  ws_.conversion.typing = false;
  if (!transliterate_) {
    transliterate_ =
        new TransliterateDialog(workspace_font_conversion(ws_), *editor_, *prompter_, *file_dialogs_, this);
  }
  transliterate_->show();
  transliterate_->raise();
  prompter_->status_caption("");
}

// "Tools": "Text Analysis...", also on the tool bar as "Text Analysis".
void TMainForm::setupAnalysisActions() {
  QAction* analysis = toolsMenu()->addAction("Text Analysis...", this, &TMainForm::FrequencyAnalysis1Click);
  analysis->setObjectName("FrequencyAnalysis1");
  add_button(*tool_bar_, analysis, "TextAnalysisButton", tr("Analysis"), tr("Text Analysis"));
}

void TMainForm::FrequencyAnalysis1Click() {
  if (!freq_sel_)
    freq_sel_ = new TFreqSel({ws_.fonts, *editor_, *prompter_, *file_dialogs_, ws_.data_folder}, this);
  freq_sel_->show();
  freq_sel_->raise();
}

// "Sort File" beside the other Punjabi utilities (the "Sort" button), and
// the Table menu's "&Sort...".
void TMainForm::setupSortActions() {
  QMenu* utilities = menuBar()->findChild<QMenu*>("PunjabiFontConvert1");
  QAction* sort_file = (utilities ? utilities : toolsMenu())->addAction("Sort File", this, &TMainForm::SortFile1Click);
  sort_file->setObjectName("SortFile1");
  add_button(*tool_bar_, sort_file, "SortButton", tr("Sort"), tr("Sort"));
  QMenu* table = menuBar()->addMenu(tr("T&able"));
  table->setObjectName("Table1");
  QAction* sort = table->addAction(tr("&Sort..."), this, &TMainForm::TableSort1Click);
  sort->setObjectName("Sort1");
  connect(table, &QMenu::aboutToShow, this, [this, sort] {
    TableCells cells;
    sort->setEnabled(editor_->TableAtInputPos(cells));
  });
}

void TMainForm::SortFile1Click() {
  if (!sort_file_) sort_file_ = new SortFileDialog(ws_.fonts, *prompter_, *file_dialogs_, this);
  sort_file_->show();
  sort_file_->raise();
}

void TMainForm::TableSort1Click() {
  if (!table_sort_) table_sort_ = new TableSortDialog(ws_.fonts, *editor_, *prompter_, this);
  if (!table_sort_->prepare()) return;
  table_sort_->then_by()->setCurrentText("none");
  table_sort_->exec();
}

void TMainForm::ExternalFile1Click() {
  if (!convert_font_)
    convert_font_ = new ConvertFontDialog(workspace_font_conversion(ws_), *prompter_, *file_dialogs_, this);
  convert_font_->show();
  convert_font_->raise();
  refreshLockIndicators();
}

void TMainForm::checkViewItem(int view_mode) {
  for (int mode = 0; mode < 3; ++mode) view_items_[static_cast<std::size_t>(mode)]->setChecked(mode == view_mode);
}

void TMainForm::checkZoomItem(int percent) {
  for (QAction* a : zoom_items_) a->setChecked(a->data().toInt() == percent);
}

void TMainForm::setViewMode(int mode) {
  editor_->SetViewMode(mode);
  ws_.settings.view_mode = mode;
  checkViewItem(mode);
}

void TMainForm::setZoom(int percent) {
  editor_->SetZoomFactor(percent);
  if (auto step = zoom_step_for(percent)) ws_.settings.zoom_step = *step;
  checkZoomItem(percent);
  ruler_->update();
}

// ---------------------------------------------------------------- window events

void TMainForm::FormCreate() {
  focus_hints_ = connect(qApp, &QApplication::focusChanged, this, [this] { ShowHints(); });
  const CreationResult result = load_startup_state(ws_, ws_.data_folder, *editor_, *prompter_);
  if (result == CreationResult::Failed) return;
  if (!tables_.open_for("TMainForm", ws_.data_folder, *prompter_)) {
    abandon_startup();
    return;
  }
  showDocumentState();
  ReadjustHeights();
  if (result == CreationResult::SettingsError) return;

  checkViewItem(ws_.settings.view_mode);
  if (zoom_percent(ws_.settings.zoom_step)) checkZoomItem(editor_->ZoomFactor());
  font_box_->addItems(font_choice_names());
  refreshLockIndicators();
  // Line 15 of the settings says whether the keyboard panel is shown; the
  // toggle below flips the item once, so it starts at the opposite.
  onscreen_keyboard1_->setChecked(!ws_.settings.onscreen_keyboard);
  OnScreenKeyboard1Click();
}

void TMainForm::FormShow() {
  ws_.document.untitled = true;
  ws_.document.modified = false;
  richedit1_->setFocus();
  editor_->SetFontName(ws_.settings.punjabi_font);
  editor_->SetFontSize(ws_.settings.punjabi_font_size);
  showCaretFormat();
  const auto items = keyboard_layout_items(ws_.fonts);
  ws_.typing.keyboard_layout = keyboard_layout_setting(ws_.settings.layout_choice, items, ws_.fonts);
  showTypingState();
  refreshEditActions();
  initialise_hints();
}

void TMainForm::FormActivate() {
  editor_->SetLockWindowUpdate(false);
  editor_->SetFormatSelection(true);
  ReadjustHeights();
  refreshLockIndicators();
}

bool TMainForm::event(QEvent* event) {
  // The hint of the action under the mouse, from the tool bar or a menu.
  if (event->type() == QEvent::StatusTip) {
    showHint(static_cast<QStatusTipEvent*>(event)->tip());
    return true;
  }
  return QMainWindow::event(event);
}

void TMainForm::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (!event->spontaneous()) FormShow();
}

void TMainForm::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) FormActivate();
}

void TMainForm::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  ReadjustHeights();
}

void TMainForm::closeEvent(QCloseEvent* event) {
  if (ws_.startup_failed) {
    event->accept();
    return;
  }
  if (!document_->CloseCurrentFile()) {
    event->ignore();
    return;
  }
  write_back_at_close(ws_);
  if (spell_check_) spell_check_->write_back();
  event->accept();
  qApp->quit();
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event) {
  if (watched == richedit1_ && event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_CapsLock) caps_lock_ = !caps_lock_;
    if (key->key() == Qt::Key_NumLock) num_lock_ = !num_lock_;
    refreshLockIndicators();
    if (richedit1KeyPress(key)) return true;
  }
  if (watched == richedit1_ && event->type() == QEvent::FocusIn) typing::richedit1Enter(ws_.conversion);
  if (watched == richedit1_->viewport() && event->type() == QEvent::MouseButtonDblClick &&
      ws_.settings.dictionary_double_click) {
    // After the editor has selected the word under the pointer.
    QTimer::singleShot(0, this, &TMainForm::richedit1DblClick);
  }
  return QMainWindow::eventFilter(watched, event);
}

bool TMainForm::richedit1KeyPress(QKeyEvent* key) {
  const QString text = key->text();
  if (text.size() != 1 || (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) return false;
  typing::Keyboard keyboard{*editor_, ws_.fonts, ws_.conversion, *prompter_, ws_.typing,
                            ws_.settings.legal_combination_check};
  return typing::type_printable_key(keyboard, text.front().unicode());
}

void TMainForm::richedit1PositionChanged() {
  const typing::CaretPlace place = typing::caret_place(*editor_);
  panels_.page->setText(qs(place.page_caption()));
  panels_.line->setText(qs(place.line_caption()));
  panels_.column->setText(qs(place.column_caption()));
}

// The format at the caret shows in the button bar.
void TMainForm::showCaretFormat() {
  const CharFormat format = editor_->Format();
  font_box_->setCurrentText(qs(format.font_name));
  size_box_->setCurrentText(QString::number(format.font_size));
  bold_->setChecked(format.bold);
  italic_->setChecked(format.italic);
  underline_->setChecked(format.underline);
}

// The language typed in and the keyboard layout, in the status bar and the layout box.
void TMainForm::showTypingState() {
  const auto items = keyboard_layout_items(ws_.fonts);
  panels_.layout->setText(qs(typing_caption(ws_.typing, ws_.settings.layout_choice, items)));
  layout_box_->setCurrentIndex(ws_.settings.layout_choice >= 0 && ws_.settings.layout_choice < layout_box_->count()
                                   ? ws_.settings.layout_choice
                                   : 0);
}

void TMainForm::clipboardDataChanged() { paste_->setEnabled(editor_->CanPaste()); }

void TMainForm::Exit1Click() { close(); }

void TMainForm::LanguageEnglish1Click() {
  Settings& s = ws_.settings;
  typing::LanguageEnglish1Click(*editor_, ws_.fonts, ws_.typing, {s.punjabi_font, s.punjabi_font_size},
                                {s.english_font, s.english_font_size});
  language_english1_->setText(typing::language_caption(ws_.typing));
  showTypingState();
  showCaretFormat();
}

void TMainForm::OnScreenKeyboard1Click() {
  onscreen_keyboard1_->setChecked(!onscreen_keyboard1_->isChecked());
  applyKeyboardPanel();
}

void TMainForm::applyKeyboardPanel() {
  const bool shown = onscreen_keyboard1_->isChecked();
  if (shown) keyboardPanelShown();
  keyboard_panel_->setVisible(shown);
  ws_.settings.onscreen_keyboard = shown;
  ReadjustHeights();
}

// ---------------------------------------------------------------- layout and state

void TMainForm::ReadjustHeights() {
  if (!client_) return;
  MainHeights h;
  h.client_width = client_->width();
  h.client_height = client_->height();
  h.tool_bar = tool_bar_->isHidden() ? 0 : kToolBarHeight;
  h.button_bar = button_bar_->isHidden() ? 0 : kButtonBarHeight;
  h.keyboard_panel = keyboard_panel_->isHidden() ? 0 : keyboard_panel_height_;
  h.ruler = ruler_->isHidden() ? 0 : kRulerHeight;
  h.status_bar = status_bar_->isHidden() ? 0 : kStatusBarHeight;
  const MainLayout l = quilm::ReadjustHeights(h);
  tool_bar_->setGeometry(0, l.tool_bar.top, h.client_width, l.tool_bar.height);
  button_bar_->setGeometry(0, l.button_bar.top, h.client_width, l.button_bar.height);
  keyboard_panel_->setGeometry(0, l.keyboard_panel.top, h.client_width, l.keyboard_panel.height);
  ruler_->setGeometry(0, l.ruler.top, l.ruler_width, l.ruler.height);
  richedit1_->setGeometry(h.editor_left, l.editor.top, l.editor_width, l.editor.height);
  status_bar_->setGeometry(0, l.status_bar.top, h.client_width, l.status_bar.height);
}

void TMainForm::ShowHints() {
  if (const QWidget* w = QApplication::focusWidget()) showHint(w->statusTip());
}

// Panel7 keeps the last hint; an empty one leaves it, and with it a progress caption.
void TMainForm::showHint(const QString& hint) {
  if (!hint.isEmpty()) panels_.hint->setText(hint);
}

void TMainForm::refreshLockIndicators() {
  panels_.caps->setText(caps_lock_ ? "CAPS" : "");
  panels_.num->setText(num_lock_ ? "NUM" : "");
}

void TMainForm::refreshEditActions() {
  undo_->setEnabled(editor_->CanUndo());
  cut_->setEnabled(editor_->CanCopy());
  copy_->setEnabled(editor_->CanCopy());
  clipboardDataChanged();
}

}  // namespace quilm::ui
