#include "app/ui/main_form.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QTextEdit>
#include <QToolButton>

#include "app/document/converting_encodings.h"
#include "app/document/recent_files.h"
#include "app/document/workspace_document.h"
#include "editors/ui/qt_editor.h"
#include "app/keyboard_layout_choice.h"
#include "app/startup.h"
#include "app/ui/qt_file_dialogs.h"
#include "app/ui/ruler.h"
#include "convert/change_font.h"
#include "convert/ui/change_font_dialog.h"
#include "convert/ui/convert_font_dialog.h"
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

}  // namespace

TMainForm::TMainForm(const std::filesystem::path& data_folder, Prompter* prompter, FileDialogs* file_dialogs)
    : qt_prompter_(this), prompter_(prompter ? prompter : &qt_prompter_) {
  setObjectName("TMainForm");
  setWindowTitle(kProgramTitle);
  resize(1000, 720);
  setupWidgets();
  if (!file_dialogs) {
    qt_file_dialogs_ = std::make_unique<QtFileDialogs>(this);
    file_dialogs = qt_file_dialogs_.get();
  }
  encodings_ = std::make_unique<ConvertingEncodings>(ws_, *prompter_);
  document_ = std::make_unique<DocumentCommands>(ws_, *editor_, *prompter_, *file_dialogs, *encodings_);
  setupFileActions();
  setupViewActions();
  setupFontConvertActions();
  qt_prompter_.attach_status(panels_[6], progress_bar_);
  ws_.data_folder = data_folder;
  FormCreate();
}

// QWidget's own destructor moves the focus away and so emits focusChanged
// after this part of the object is gone: the hint handler must not hear it.
TMainForm::~TMainForm() { disconnect(focus_hints_); }

Editor& TMainForm::editor() { return *editor_; }

QLabel* TMainForm::status_panel(const char* name) const {
  for (QLabel* panel : panels_)
    if (panel->objectName() == name) return panel;
  return nullptr;
}

// ---------------------------------------------------------------- widgets

void TMainForm::setupWidgets() {
  client_ = new QWidget(this);
  client_->setObjectName("ClientArea");
  setCentralWidget(client_);

  setupToolPanel();
  setupButtonBar();

  keyboard_panel_ = sunken_panel(client_, "Panel1");
  auto* keyboard_note = new QLabel(tr("On-screen keyboard"), keyboard_panel_);
  keyboard_note->move(8, 8);

  ruler_ = new Ruler(client_);

  richedit2_ = new QTextEdit(client_);
  richedit2_->setObjectName("Richedit2");
  richedit1_ = new QTextEdit(client_);
  richedit1_->setObjectName("richedit1");
  richedit1_->setAcceptRichText(true);
  richedit1_->installEventFilter(this);
  editor_ = std::make_unique<QtEditor>(richedit1_);
  connect(richedit1_, &QTextEdit::selectionChanged, this, &TMainForm::refreshEditButtons);
  connect(richedit1_, &QTextEdit::undoAvailable, this, &TMainForm::refreshEditButtons);
  connect(richedit1_, &QTextEdit::cursorPositionChanged, this, &TMainForm::richedit1PositionChanged);
  setupEditorPopup();

  setupStatusBar();
}

void TMainForm::setupToolPanel() {
  tool_panel_ = new QWidget(client_);
  tool_panel_->setObjectName("ToolPanel");
  auto* row = new QHBoxLayout(tool_panel_);
  row->setContentsMargins(2, 2, 2, 2);
  row->setSpacing(2);
  auto add = [&](const char* name, const QString& text, const char* hint) {
    auto* b = new QToolButton(tool_panel_);
    b->setObjectName(name);
    b->setText(text);
    b->setToolTip(hint);
    b->setStatusTip(hint);
    b->setAutoRaise(true);
    row->addWidget(b);
    return b;
  };
  add("NewButton", tr("New"), "New Document")->setEnabled(false);
  add("OpenButton", tr("Open"), "Open Document")->setEnabled(false);
  add("SaveButton", tr("Save"), "Save Document")->setEnabled(false);
  cut_button_ = add("CutButton", tr("Cut"), "Cut");
  copy_button_ = add("CopyButton", tr("Copy"), "Copy");
  paste_button_ = add("PasteButton", tr("Paste"), "Paste");
  undo_button_ = add("UndoButton", tr("Undo"), "Undo");
  connect(cut_button_, &QToolButton::clicked, this, [this] { editor_->Clip(1); });
  connect(copy_button_, &QToolButton::clicked, this, [this] { editor_->Clip(2); });
  connect(paste_button_, &QToolButton::clicked, this, [this] { editor_->Clip(3); });
  connect(undo_button_, &QToolButton::clicked, this, [this] { editor_->Undo(); });
  auto* keyboard = add("KeyboardButton", tr("Keyboard"), "Onscreen Keyboard");
  connect(keyboard, &QToolButton::clicked, this, [this] { onscreen_keyboard1_->trigger(); });
  // The quotation marks of Windows code page 1252 (0x91 to 0x94), which
  // Gurmukhi fonts leave at their Latin places.
  const char16_t quotes[] = {u'\u2018', u'\u2019', u'\u201C', u'\u201D'};
  for (int i = 0; i < 4; ++i) {
    const QString name = QString("SpeedButton%1").arg(14 + i);
    auto* b = add(name.toLatin1().constData(), QString(QChar(quotes[i])), "");
    connect(b, &QToolButton::clicked, this, [this, q = quotes[i]] { editor_->SetSelText(std::u16string(1, q)); });
  }
  row->addStretch();
}

void TMainForm::setupButtonBar() {
  button_bar_ = new QWidget(client_);
  button_bar_->setObjectName("TXButtonBar1");
  auto* row = new QHBoxLayout(button_bar_);
  row->setContentsMargins(2, 2, 2, 2);
  font_box_ = new QComboBox(button_bar_);
  font_box_->setObjectName("FontBox");
  font_box_->setEditable(true);
  font_box_->setMinimumWidth(200);
  size_box_ = new QComboBox(button_bar_);
  size_box_->setObjectName("SizeBox");
  size_box_->setEditable(true);
  for (int size : {8, 9, 10, 11, 12, 14, 16, 18, 20, 22, 24, 26, 28, 36, 48, 72})
    size_box_->addItem(QString::number(size));
  row->addWidget(font_box_);
  row->addWidget(size_box_);
  auto toggle = [&](const QString& text, auto setter) {
    auto* b = new QToolButton(button_bar_);
    b->setText(text);
    b->setCheckable(true);
    connect(b, &QToolButton::toggled, this, [this, setter](bool on) { (editor_.get()->*setter)(on); });
    row->addWidget(b);
  };
  toggle(tr("B"), &Editor::SetFontBold);
  toggle(tr("I"), &Editor::SetFontItalic);
  toggle(tr("U"), &Editor::SetFontUnderline);
  row->addStretch();
  connect(font_box_, &QComboBox::textActivated, this,
          [this](const QString& name) { editor_->SetFontName(name.toStdString()); richedit1_->setFocus(); });
  connect(size_box_, &QComboBox::textActivated, this, [this](const QString& size) {
    bool ok = false;
    int points = size.toInt(&ok);
    if (ok && points > 0) editor_->SetFontSize(points);
    richedit1_->setFocus();
  });
}

void TMainForm::setupStatusBar() {
  status_bar_ = new QFrame(client_);
  status_bar_->setObjectName("StatusBar1");
  status_bar_->setFrameStyle(QFrame::Panel | QFrame::Raised);
  status_bar_->setLineWidth(1);
  auto* row = new QHBoxLayout(status_bar_);
  row->setContentsMargins(1, 1, 1, 1);
  row->setSpacing(1);
  for (std::size_t i = 0; i + 1 < kStatusPanels.size(); ++i) {
    auto* panel = new QLabel(kStatusPanels[i].initial_text, status_bar_);
    panel->setObjectName(kStatusPanels[i].name);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setFixedWidth(kStatusPanels[i].width);
    row->addWidget(panel);
    panels_[i] = panel;
  }
  progress_panel_ = sunken_panel(status_bar_, kStatusPanels.back().name);
  progress_bar_ = new QProgressBar(progress_panel_);
  progress_bar_->setObjectName("ProgressBar1");
  progress_bar_->setTextVisible(false);
  progress_bar_->hide();
  auto* fill = new QHBoxLayout(progress_panel_);
  fill->setContentsMargins(1, 1, 1, 1);
  fill->addWidget(progress_bar_);
  row->addWidget(progress_panel_, 1);
}

// ---------------------------------------------------------------- menus

void TMainForm::setupFileActions() {
  QMenu* file = menuBar()->addMenu(tr("&File"));
  file->setObjectName("File1");
  connect(file, &QMenu::aboutToShow, this, &TMainForm::File1Click);
  // An item, and the tool button that does the same, run `command`.
  auto add = [&](const char* name, const char* caption, const char* shortcut, const char* button,
                 std::function<void()> command) {
    QAction* a = file->addAction(caption);
    a->setObjectName(name);
    if (shortcut) a->setShortcut(QKeySequence(shortcut));
    connect(a, &QAction::triggered, this, [this, command] { runFileCommand(command); });
    if (auto* b = button ? tool_panel_->findChild<QToolButton*>(button) : nullptr) {
      b->setEnabled(true);
      connect(b, &QToolButton::clicked, this, [this, command] { runFileCommand(command); });
    }
    return a;
  };
  add("New1", "&New", "Ctrl+N", "NewButton", [this] { document_->New1Click(); });
  add("Open1", "&Open...", "Ctrl+O", "OpenButton", [this] { document_->Open1Click(); });
  close1_ = add("Close1", "&Close", nullptr, nullptr, [this] { document_->Close1Click(); });
  save1_ = add("Save1", "&Save", "Ctrl+S", "SaveButton", [this] { document_->Save1Click(); });
  save_as1_ = add("SaveAs1", "Save&As...", nullptr, nullptr, [this] { document_->SaveAs1Click(); });
  file->addSeparator();
  add("Import1", "Import...", nullptr, nullptr, [this] { document_->Import1Click(); });
  export1_ = add("Export1", "Export...", nullptr, nullptr, [this] { document_->Export1Click(); });
  file->addSeparator();
  filename1_ = add("Filename1", "&1", nullptr, nullptr, [this] { document_->RecentFileClick(1); });
  filename2_ = add("FileName2", "&2", nullptr, nullptr, [this] { document_->RecentFileClick(2); });
  file->addSeparator();
  QAction* exit = file->addAction("E&xit", this, &TMainForm::Exit1Click);
  exit->setObjectName("Exit1");
  exit->setShortcut(QKeySequence("Ctrl+Q"));
  // RichEdit1Change; the shortcuts of the items follow the document as the menu does.
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
}

void TMainForm::setupViewActions() {
  QMenu* view = menuBar()->addMenu(tr("&View"));
  view->setObjectName("View1");
  const char* names[] = {"NormalView1", "PageView1", "ExtendedPageView1"};
  const char* captions[] = {"Normal Layout", "Page Layout", "Centred Page Layout"};
  for (int mode = 0; mode < 3; ++mode) {
    QAction* a = view->addAction(captions[mode], this, [this, mode] { setViewMode(mode); });
    a->setObjectName(names[mode]);
    a->setCheckable(true);
    view_items_[static_cast<std::size_t>(mode)] = a;
  }
  view->addSeparator();
  // A checkable item has already flipped its check mark when it triggers.
  onscreen_keyboard1_ = view->addAction("&Onscreen Keyboard", this, &TMainForm::applyKeyboardPanel);
  onscreen_keyboard1_->setObjectName("OnScreenKeyboard1");
  onscreen_keyboard1_->setCheckable(true);
  onscreen_keyboard1_->setShortcut(QKeySequence("Ctrl+K"));
  QMenu* zoom = view->addMenu("Zoom");
  for (int percent : {25, 50, 75, 100, 125, 150, 200, 300, 400}) {
    QAction* a = zoom->addAction(QString("%1%").arg(percent), this, [this, percent] { setZoom(percent); });
    a->setCheckable(true);
    a->setData(percent);
    zoom_items_.push_back(a);
  }
}

// "Punjabi Font Convert": the document in the editor and files on disk.
void TMainForm::setupFontConvertActions() {
  QMenu* convert = menuBar()->addMenu("Punjabi Font Convert");
  convert->setObjectName("PunjabiFontConvert1");
  QAction* current = convert->addAction("Current File", this, &TMainForm::CurrentFile1Click);
  current->setObjectName("CurrentFile1");
  current->setShortcut(QKeySequence(Qt::Key_F8));
  QAction* external = convert->addAction("External File", this, &TMainForm::ExternalFile1Click);
  external->setObjectName("ExternalFile1");
  // The tool bar's button for "Current File", before the stretch at its end.
  auto* button = new QToolButton(tool_panel_);
  button->setObjectName("FontConvertButton");
  button->setText(tr("Font Convert"));
  button->setToolTip("Punjabi Font Convert");
  button->setStatusTip("Punjabi Font Convert");
  button->setAutoRaise(true);
  connect(button, &QToolButton::clicked, current, &QAction::trigger);
  auto* row = static_cast<QHBoxLayout*>(tool_panel_->layout());
  row->insertWidget(row->count() - 1, button);
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

void TMainForm::ExternalFile1Click() {
  if (!convert_font_) convert_font_ = new ConvertFontDialog(workspace_font_conversion(ws_), *prompter_, this);
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
  for (const auto& name : keyboard_layout_items(ws_.fonts)) font_box_->addItem(qs(name));
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
  font_box_->setCurrentText(qs(ws_.settings.punjabi_font));
  size_box_->setCurrentText(QString::number(ws_.settings.punjabi_font_size));
  const auto items = keyboard_layout_items(ws_.fonts);
  panels_[5]->setText(qs(keyboard_layout_caption(ws_.settings.layout_choice, items)));
  ws_.typing.keyboard_layout = keyboard_layout_setting(ws_.settings.layout_choice, items, ws_.fonts);
  refreshEditButtons();
}

void TMainForm::FormActivate() {
  editor_->SetLockWindowUpdate(false);
  editor_->SetFormatSelection(true);
  ReadjustHeights();
  refreshLockIndicators();
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
  panels_[0]->setText(qs(place.page_caption()));
  panels_[1]->setText(qs(place.line_caption()));
  panels_[2]->setText(qs(place.column_caption()));
}

// ---------------------------------------------------------------- commands

void TMainForm::Exit1Click() { close(); }

void TMainForm::setupEditorPopup() {
  language_english1_ = new QAction(typing::language_caption(ws_.typing), this);
  language_english1_->setObjectName("LanguageEnglish1");
  language_english1_->setShortcut(QKeySequence("Ctrl+L"));
  language_english1_->setShortcutContext(Qt::WidgetShortcut);
  richedit1_->addAction(language_english1_);
  connect(language_english1_, &QAction::triggered, this, &TMainForm::LanguageEnglish1Click);
  richedit1_->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(richedit1_, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
    std::unique_ptr<QMenu> popup(richedit1_->createStandardContextMenu());
    popup->addSeparator();
    popup->addAction(language_english1_);
    popup->exec(richedit1_->mapToGlobal(at));
  });
}

void TMainForm::LanguageEnglish1Click() {
  Settings& s = ws_.settings;
  typing::LanguageEnglish1Click(*editor_, ws_.fonts, ws_.typing, {s.punjabi_font, s.punjabi_font_size},
                                {s.english_font, s.english_font_size});
  language_english1_->setText(typing::language_caption(ws_.typing));
}

void TMainForm::OnScreenKeyboard1Click() {
  onscreen_keyboard1_->setChecked(!onscreen_keyboard1_->isChecked());
  applyKeyboardPanel();
}

void TMainForm::applyKeyboardPanel() {
  const bool shown = onscreen_keyboard1_->isChecked();
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
  h.tool_bar = tool_panel_->isHidden() ? 0 : kToolBarHeight;
  h.button_bar = button_bar_->isHidden() ? 0 : kButtonBarHeight;
  h.keyboard_panel = keyboard_panel_->isHidden() ? 0 : keyboard_panel_height_;
  h.ruler = ruler_->isHidden() ? 0 : kRulerHeight;
  h.status_bar = status_bar_->isHidden() ? 0 : kStatusBarHeight;
  const MainLayout l = quilm::ReadjustHeights(h);
  tool_panel_->setGeometry(0, l.tool_bar.top, h.client_width, l.tool_bar.height);
  button_bar_->setGeometry(0, l.button_bar.top, h.client_width, l.button_bar.height);
  keyboard_panel_->setGeometry(0, l.keyboard_panel.top, h.client_width, l.keyboard_panel.height);
  ruler_->setGeometry(0, l.ruler.top, l.ruler_width, l.ruler.height);
  // The scratch editor stays behind the main one, at its place.
  richedit2_->hide();
  richedit1_->setGeometry(h.editor_left, l.editor.top, l.editor_width, l.editor.height);
  richedit2_->setGeometry(richedit1_->geometry());
  status_bar_->setGeometry(0, l.status_bar.top, h.client_width, l.status_bar.height);
  richedit2_->show();
  richedit2_->lower();
}

void TMainForm::ShowHints() {
  const QWidget* w = QApplication::focusWidget();
  if (w && !w->statusTip().isEmpty()) panels_[6]->setText(w->statusTip());
}

void TMainForm::refreshLockIndicators() {
  panels_[3]->setText(caps_lock_ ? "CAPS" : "");
  panels_[4]->setText(num_lock_ ? "NUM" : "");
}

void TMainForm::refreshEditButtons() {
  if (!editor_) return;
  undo_button_->setEnabled(editor_->CanUndo());
  cut_button_->setEnabled(editor_->CanCopy());
  copy_button_->setEnabled(editor_->CanCopy());
  paste_button_->setEnabled(editor_->CanPaste());
}

}  // namespace quilm::ui
