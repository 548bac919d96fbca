// TMainForm, the main window: the editor with its tool bar, button bar,
// on-screen keyboard panel, ruler and status bar. The window only builds its
// widgets and forwards to the core (app/startup.h and the subsystems).
//
// Each command is one QAction, made with its caption and shortcut in a setup
// function of its group and shared by the menu and the tool bar; the editor's
// signals enable and check the actions.
#pragma once

#include <QMainWindow>
#include <functional>
#include <memory>
#include <vector>

#include "app/document/document_commands.h"
#include "app/go_to.h"
#include "app/stored_tables.h"
#include "app/ui/qt_prompter.h"
#include "app/workspace.h"
#include "dict/meaning_insertion.h"

class QAction;
class QComboBox;
class QFrame;
class QKeyEvent;
class QLabel;
class QMenu;
class QProgressBar;
class QStatusBar;
class QTextEdit;
class QToolBar;

namespace quilm {
class QtEditor;
}

namespace quilm::ui {

class ChangeFontDialog;
class ConvertFontDialog;
class SpellCheckCommand;
class RomanWindow;
class TRomanGurTransliterate;
class TransliterateDialog;
class TFreqSel;
class SortFileDialog;
class TableSortDialog;
class Ruler;
class Tformfind;
class PageCommands;
class TGoToLinePage;
class TOptions;
class HelpCommands;
class TDictionaryWindow;
class TPunjabiType;
class OnscreenKeyboard;
class TAddWord;
class TAdministrativeWindow;
class TAffixWindow;

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
  // A panel of the status bar by its name ("Panel3").
  QLabel* status_panel(const char* name) const;

  void ReadjustHeights();
  void ShowHints();
  // The hints of the on-screen keyboard for the keyboard layout and the
  // editor's font (main_form_keyboard.cpp).
  void initialise_hints();
  OnscreenKeyboard* onscreen_keyboard() const { return keyboard_; }
  TAddWord* add_word_window() const { return add_word_; }

 protected:
  bool event(QEvent* event) override;
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
  void clipboardDataChanged();

 private:
  // The status bar's panels, left to right.
  struct StatusPanels {
    QLabel* page = nullptr;       // Panel3
    QLabel* line = nullptr;       // Panel4
    QLabel* column = nullptr;     // Panel5
    QLabel* caps = nullptr;       // Panel8
    QLabel* num = nullptr;        // Panel9
    QLabel* layout = nullptr;     // Panel2, the keyboard layout
    QLabel* hint = nullptr;       // Panel7, hints and progress captions
    QFrame* progress = nullptr;   // Panel6, holds the progress bar
  };

  void FormCreate();
  void FormShow();
  void FormActivate();

  void setupWidgets();
  void setupEditor();
  void setupStatusBar();
  // The commands, group by group; each puts its actions in its menu and on
  // the tool bar in the order they show there.
  void setupFileActions();
  void setupEditActions();
  void setupFindActions();
  void Find1Click();
  void Replace1Click();
  void placeFindWindow();
  void setupViewActions();
  void setupQuotationMarks();
  void setupFontConvertActions();
  void setupTextActions();
  void setupEditorPopup();
  void setupLayoutBox();
  // Runs a File menu command, then shows what it changed: the document name
  // as the caption, the recent files, the view.
  void runFileCommand(const std::function<void()>& command);
  void File1Click();
  void showDocumentState();
  void setupSpellCheckAction();
  QMenu* toolsMenu();
  void setupTransliterationActions();
  void setupDictionaryActions();
  // The on-screen keyboard and the user dictionaries' windows
  // (main_form_keyboard.cpp).
  void setupOnscreenKeyboard();
  void OnScreenKeyClick(const QByteArray& quilm);
  void keyboardPanelShown();
  void setupUserDictionaryActions();
  void AddWord1Click();
  // Shows the dictionary window of `punjabi_english` (else English-Punjabi),
  // made on first use, at the right edge of this window.
  void showDictionary(bool punjabi_english);
  void richedit1DblClick();
  void setupTypingPadAction();
  void showAdministrativeTerms();
  void showAffixLists();
  void placeAtRightEdge(QWidget* window);
  MeaningText punjabiDefaultFont() const;
  void CurrentFile1Click();
  void TransliteratetoRoman1Click();
  void TransliteratetoGurmukhi1Click();
  void TransliteratetoDevanagri1Click();
  void setupAnalysisActions();
  void FrequencyAnalysis1Click();
  void setupSortActions();
  void SortFile1Click();
  void TableSort1Click();
  void ExternalFile1Click();
  // "Goto..." (Ctrl+G) of the Search menu and "Options..." of the Tools menu.
  void setupGoToAndOptions();
  void Goto1Click();
  void Options1Click();
  // The menus completed and put in their order, with the handlers that
  // enable their items when they open (main_form_menus.cpp).
  void setupMenus();
  void completeEditMenu();
  void completeViewMenu();
  void completeInsertMenu();
  void setupFormatMenu();
  void setupListMenu(QMenu* lists);
  template <typename Window>
  void showParagraphDialog();
  void completeTableMenu();
  void setupUtilitiesMenu();
  void completeToolsMenu();
  void orderMenus();
  void completeToolBar();
  // The editor's popup menu at `at` (in the editor's coordinates).
  void showEditorPopup(const QPoint& at);
  void Edit1Click();
  void FontDialogClick();
  void chooseColour(bool background);
  void InsertTable1Click();
  // The Table menu's commands on the table at the caret (main_form_menus.cpp).
  void Table1Click();
  void runTableCommand(const std::function<Status(Editor&)>& command);
  void TableAttributes1Click();
  void FileStatistics1Click();
  // A key typed into the editor goes through the key-press hook; true when
  // the hook has handled it and the editor must not insert it.
  bool richedit1KeyPress(QKeyEvent* key);
  void checkViewItem(int view_mode);
  void checkZoomItem(int percent);
  void refreshLockIndicators();
  void showCaretFormat();
  void showTypingState();
  void refreshEditActions();
  void setViewMode(int mode);
  void setZoom(int percent);
  void showHint(const QString& hint);

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
  QToolBar* tool_bar_ = nullptr;    // ToolPanel
  QToolBar* button_bar_ = nullptr;  // TXButtonBar1, the editor's format bar
  QFrame* keyboard_panel_ = nullptr;  // Panel1
  OnscreenKeyboard* keyboard_ = nullptr;  // the same panel
  TAddWord* add_word_ = nullptr;          // created on first use
  Ruler* ruler_ = nullptr;
  QTextEdit* richedit1_ = nullptr;
  QStatusBar* status_bar_ = nullptr;
  StatusPanels panels_;
  QProgressBar* progress_bar_ = nullptr;
  QComboBox* font_box_ = nullptr;
  QComboBox* size_box_ = nullptr;
  QComboBox* layout_box_ = nullptr;  // the keyboard layout

  QAction* new1_ = nullptr;
  QAction* open1_ = nullptr;
  QAction* close1_ = nullptr;
  QAction* save1_ = nullptr;
  QAction* save_as1_ = nullptr;
  QAction* import1_ = nullptr;
  QAction* export1_ = nullptr;
  QAction* filename1_ = nullptr;
  QAction* filename2_ = nullptr;
  QAction* exit1_ = nullptr;
  QAction* undo_ = nullptr;
  QAction* cut_ = nullptr;
  QAction* copy_ = nullptr;
  QAction* paste_ = nullptr;
  QAction* redo_ = nullptr;
  QAction* delete_ = nullptr;
  QAction* onscreen_keyboard1_ = nullptr;
  std::vector<QAction*> view_items_;
  std::vector<QAction*> zoom_items_;
  QAction* current_file1_ = nullptr;
  QAction* external_file1_ = nullptr;
  QAction* bold_ = nullptr;
  QAction* italic_ = nullptr;
  QAction* underline_ = nullptr;
  QAction* language_english1_ = nullptr;  // the editor's popup item, Ctrl+L
  QMetaObject::Connection focus_hints_;  // the application's focusChanged, to ShowHints

  ChangeFontDialog* change_font_ = nullptr;    // created on first use, then reused
  ConvertFontDialog* convert_font_ = nullptr;
  std::unique_ptr<SpellCheckCommand> spell_check_;  // F7
  QMenu* tools_menu_ = nullptr;
  RomanWindow* roman_window_ = nullptr;          // F5, created on first use
  TRomanGurTransliterate* punjabi_text_ = nullptr;  // F6, created on first use
  TransliterateDialog* transliterate_ = nullptr;  // F4, created on first use
  Tformfind* find_window_ = nullptr;              // Ctrl+F, Ctrl+H, created on first use
  TFreqSel* freq_sel_ = nullptr;                 // "Text Analysis...", created on first use
  SortFileDialog* sort_file_ = nullptr;          // "Sort File", created on first use
  TableSortDialog* table_sort_ = nullptr;        // "Sort..." of the Table menu, created on first use
  TDictionaryWindow* punjabi_english_ = nullptr;  // created on first use
  TDictionaryWindow* english_punjabi_ = nullptr;
  TPunjabiType* typing_pad_ = nullptr;  // F3, created on first use
  TAdministrativeWindow* admin_terms_ = nullptr;  // F11, created on first use
  TAffixWindow* affix_lists_ = nullptr;           // F12, created on first use
  PageCommands* page_commands_ = nullptr;  // page set-up, preview, printing, page numbers
  HelpCommands* help_commands_ = nullptr;  // the Help menu and F1
  TGoToLinePage* go_to_ = nullptr;          // created on first use
  TOptions* options_ = nullptr;             // created on first use
  GoToTarget go_to_target_;                 // kept between uses of Go To

  int keyboard_panel_height_ = 140;
  bool caps_lock_ = false;
  bool num_lock_ = false;
};

}  // namespace quilm::ui
