// TMainForm, the main window: the editor with its tool bar, button bar,
// on-screen keyboard panel, ruler and status bar. The window only builds its
// widgets and forwards to the core (app/startup.h and the subsystems).
#pragma once

#include <QMainWindow>
#include <array>
#include <functional>
#include <memory>

#include "app/document/document_commands.h"
#include "app/main_layout.h"
#include "app/stored_tables.h"
#include "app/ui/qt_prompter.h"
#include "app/workspace.h"

class QAction;
class QComboBox;
class QFrame;
class QKeyEvent;
class QLabel;
class QProgressBar;
class QTextEdit;
class QToolButton;

namespace quilm {
class QtEditor;
}

namespace quilm::ui {

class ChangeFontDialog;
class ConvertFontDialog;
class RomanWindow;
class TransliterateDialog;
class Ruler;

class TMainForm : public QMainWindow {
  Q_OBJECT
 public:
  // `data_folder` is the folder that was current at start-up. Tests pass a
  // scripted prompter and file dialogs instead of the window's own.
  explicit TMainForm(const std::filesystem::path& data_folder, Prompter* prompter = nullptr,
                     FileDialogs* file_dialogs = nullptr);
  ~TMainForm() override;

  // Start-up could not read its files; the program ends without writing.
  bool startup_failed() const { return ws_.startup_failed; }
  Workspace& workspace() { return ws_; }
  StoredTables& stored_tables() { return tables_; }
  // A window could not be created: the program ends without writing anything.
  void abandon_startup() { ws_.startup_failed = true; }
  Editor& editor();
  Prompter& prompter() { return *prompter_; }
  QWidget* client() const { return client_; }
  QLabel* status_panel(const char* name) const;

  void ReadjustHeights();
  void ShowHints();

 protected:
  void showEvent(QShowEvent* event) override;
  void changeEvent(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private slots:
  void OnScreenKeyboard1Click();
  void Exit1Click();
  void applyKeyboardPanel();
  void LanguageEnglish1Click();
  void richedit1PositionChanged();

 private:
  void FormCreate();
  void FormShow();
  void FormActivate();

  void setupWidgets();
  void setupToolPanel();
  void setupButtonBar();
  void setupStatusBar();
  void setupFileActions();
  // Runs a File menu command, then shows what it changed: the document name
  // as the caption, the recent files, the view.
  void runFileCommand(const std::function<void()>& command);
  void File1Click();
  void showDocumentState();
  void setupViewActions();
  void setupFontConvertActions();
  void setupTransliterationActions();
  void CurrentFile1Click();
  void TransliteratetoRoman1Click();
  void TransliteratetoDevanagri1Click();
  void ExternalFile1Click();
  void setupEditorPopup();
  // A key typed into the editor goes through the key-press hook; true when
  // the hook has handled it and the editor must not insert it.
  bool richedit1KeyPress(QKeyEvent* key);
  void checkViewItem(int view_mode);
  void checkZoomItem(int percent);
  void refreshLockIndicators();
  void refreshEditButtons();
  void setViewMode(int mode);
  void setZoom(int percent);

  Workspace ws_;
  StoredTables tables_;
  QtPrompter qt_prompter_;
  Prompter* prompter_;
  std::unique_ptr<QtEditor> editor_;
  std::unique_ptr<FileDialogs> qt_file_dialogs_;
  FileDialogs* file_dialogs_ = nullptr;
  std::unique_ptr<DocumentEncodings> encodings_;
  std::unique_ptr<DocumentCommands> document_;

  QWidget* client_ = nullptr;
  QWidget* tool_panel_ = nullptr;
  QWidget* button_bar_ = nullptr;
  QFrame* keyboard_panel_ = nullptr;  // Panel1
  Ruler* ruler_ = nullptr;
  QTextEdit* richedit1_ = nullptr;
  QTextEdit* richedit2_ = nullptr;  // scratch document of the conversions
  QFrame* status_bar_ = nullptr;
  std::array<QLabel*, kStatusPanels.size() - 1> panels_{};
  QWidget* progress_panel_ = nullptr;  // Panel6
  QProgressBar* progress_bar_ = nullptr;
  QComboBox* font_box_ = nullptr;
  QComboBox* size_box_ = nullptr;
  QToolButton* undo_button_ = nullptr;
  QToolButton* cut_button_ = nullptr;
  QToolButton* copy_button_ = nullptr;
  QToolButton* paste_button_ = nullptr;

  QAction* close1_ = nullptr;
  QAction* save1_ = nullptr;
  QAction* save_as1_ = nullptr;
  QAction* export1_ = nullptr;
  QAction* filename1_ = nullptr;
  QAction* filename2_ = nullptr;
  QAction* onscreen_keyboard1_ = nullptr;
  QAction* language_english1_ = nullptr;  // the editor's popup item, Ctrl+L
  std::array<QAction*, 3> view_items_{};
  std::vector<QAction*> zoom_items_;
  QMetaObject::Connection focus_hints_;  // the application's focusChanged, to ShowHints

  ChangeFontDialog* change_font_ = nullptr;    // created on first use, then reused
  ConvertFontDialog* convert_font_ = nullptr;
  RomanWindow* roman_window_ = nullptr;          // F5, created on first use
  TransliterateDialog* transliterate_ = nullptr;  // F4, created on first use

  int keyboard_panel_height_ = 140;
  bool caps_lock_ = false;
  bool num_lock_ = false;
};

}  // namespace quilm::ui
