// The File menu: New, Open, Close, Save, Save As, Import, Export and the two
// recent files, with the document state that decides what Save does and when
// the user is asked to save. Written against the editor, the prompter and the
// file dialogs, so the window only builds its menu and calls these.
#pragma once

#include <filesystem>
#include <functional>
#include <string>

#include "app/document/document_encodings.h"
#include "common/file_dialogs.h"
#include "editor/editor.h"
#include "app/workspace.h"
#include "common/prompter.h"

namespace quilm {

inline constexpr const char* kSaveQuestion = "Do you want to save the changes?";
inline constexpr const char* kNewDocumentName = "NewDocument";

// What the File menu enables when it opens.
struct FileMenuState {
  bool close = false, save = false, save_as = false, export_ = false;
};

class DocumentCommands {
 public:
  DocumentCommands(Workspace& workspace, Editor& editor, Prompter& prompter, FileDialogs& dialogs,
                   DocumentEncodings& encodings);

  // CloseCurrentFile: asks whether to save a changed document of more than
  // one character. False (and `cancelled` set) when the user cancels, or when
  // the save that Yes asked for did not happen: the document then stays.
  bool CloseCurrentFile();

  // Loads `path` in `format` (any format but the imports), applies the page
  // values it holds and puts the caret at 0. A failure is shown and leaves
  // the document as it was; false then.
  bool OpenInputFile(const std::filesystem::path& path, FormatCode format);

  void New1Click();
  void Open1Click();
  void Close1Click();
  // False when nothing was saved.
  bool Save1Click();
  bool SaveAs1Click();
  void Import1Click();
  void Export1Click();
  // The recent-file item 1 or 2.
  void RecentFileClick(int item);

  FileMenuState File1Click() const;

  // A change in the editor (RichEdit1Change).
  void DocumentChanged() { ws_.document.modified = true; }
  bool modified() const { return ws_.document.modified || editor_.Modified(); }

 private:
  // Runs a load or save that may take long: its caption (none: the one
  // shown stays) and a progress bar without steps while it runs, both gone
  // before a failure is shown.
  Status long_step(const char* caption, const std::function<Status()>& step);
  bool save_to(const std::filesystem::path& path, FormatCode format);
  bool save_imported(const std::function<Status()>& write);
  void clear_modified();
  bool open_by_extension(const std::filesystem::path& path, int filter_index);

  Workspace& ws_;
  Editor& editor_;
  Prompter& prompter_;
  FileDialogs& dialogs_;
  DocumentEncodings& encodings_;
};

// Gives the owner write permission on an existing file, so it can be replaced.
void clear_read_only(const std::filesystem::path& path);

}  // namespace quilm
