#include "app/document/document_commands.h"

#include <system_error>

#include "app/document/file_formats.h"
#include "app/document/page_values.h"
#include "app/document/recent_files.h"

namespace quilm {
namespace {

namespace fs = std::filesystem;

constexpr const char* kImportCaption = "Importing File...";
constexpr const char* kExportCaption = "Exporting File...";
constexpr const char* kOpenCaption = "Opening File...";
constexpr const char* kSaveCaption = "Saving File...";
constexpr int kExportIscii = 2, kExportPdf = 3, kExportUtf8 = 4;
constexpr int kCentredPageView = 2;

bool needs_a_name(const std::string& name) {
  return name.empty() || name == kNewDocumentName || name == kProgramTitle;
}

std::string with_extension(const std::string& name, const char* extension) {
  fs::path p = name;
  p.replace_extension(extension);
  return p.string();
}

}  // namespace

void clear_read_only(const fs::path& path) {
  std::error_code ignored;
  if (fs::is_regular_file(path, ignored))
    fs::permissions(path, fs::perms::owner_write, fs::perm_options::add, ignored);
}

DocumentCommands::DocumentCommands(Workspace& workspace, Editor& editor, Prompter& prompter, FileDialogs& dialogs,
                                   DocumentEncodings& encodings)
    : ws_(workspace), editor_(editor), prompter_(prompter), dialogs_(dialogs), encodings_(encodings) {}

void DocumentCommands::clear_modified() {
  ws_.document.modified = false;
  editor_.SetModified(false);
}

Status DocumentCommands::long_step(const char* caption, const std::function<Status()>& step) {
  if (caption) prompter_.status_caption(caption);
  prompter_.progress_start(0);
  const Status result = step();
  prompter_.progress_end();
  if (caption) prompter_.status_caption("");
  return result;
}

bool DocumentCommands::CloseCurrentFile() {
  DocumentState& doc = ws_.document;
  doc.cancelled = false;
  if (modified() && editor_.TextLength() > 1) {
    const Answer answer = prompter_.ask_yes_no_cancel(kSaveQuestion);
    if (answer == Answer::Cancel) {
      doc.cancelled = true;
      return false;
    }
    if (answer == Answer::Yes) {
      const bool saved = doc.untitled || !doc.save_enabled ? SaveAs1Click() : Save1Click();
      // The user wanted the changes kept: a cancelled or failed save keeps the document.
      if (!saved) {
        doc.cancelled = true;
        return false;
      }
    }
  }
  doc.untitled = true;
  clear_modified();
  doc.iscii_mode = false;
  doc.text_form.reset();
  return true;
}

bool DocumentCommands::OpenInputFile(const fs::path& path, FormatCode format) {
  const Status loaded = long_step(kOpenCaption, [&] { return editor_.LoadFile(path, format); });
  if (!loaded) {
    prompter_.error(loaded.message());
    return false;
  }
  ws_.document.save_format = format;
  ws_.document.save_enabled = true;
  apply_page_values(editor_);
  editor_.SetSelStart(0);
  editor_.SetLockWindowUpdate(false);
  editor_.SetFormatSelection(true);
  return true;
}

void DocumentCommands::New1Click() {
  if (!CloseCurrentFile()) return;
  ws_.document.untitled = true;
  ws_.document.name = kNewDocumentName;
  editor_.Clear();
  clear_modified();
  // Typing goes on in the Punjabi default font, as after start-up.
  editor_.SetFontName(ws_.settings.punjabi_font);
  editor_.SetFontSize(ws_.settings.punjabi_font_size);
}

void DocumentCommands::Open1Click() {
  if (!CloseCurrentFile()) return;
  FileDialogRequest request;
  request.filter = kOpenFilter;
  request.filter_index = ws_.settings.default_save_type + 1;
  request.must_exist = true;
  const std::optional<FileChoice> choice = dialogs_.open(request);
  if (!choice) return;
  if (open_by_extension(choice->path, choice->filter_index))
    remember_recent_file(ws_.settings, ws_.document.name, choice->path);
}

bool DocumentCommands::open_by_extension(const fs::path& path, int filter_index) {
  if (!OpenInputFile(path, format_for_opening(path, filter_index))) return false;
  ws_.document.name = path.string();
  ws_.document.untitled = false;
  clear_modified();
  return true;
}

void DocumentCommands::Close1Click() {
  if (!CloseCurrentFile()) return;
  editor_.Clear();
  clear_modified();
}

bool DocumentCommands::save_to(const fs::path& path, FormatCode format) {
  clear_read_only(path);
  store_page_values(editor_);
  const Status saved = long_step(kSaveCaption, [&] { return editor_.SaveFile(path, format); });
  if (!saved) {
    prompter_.error(saved.message());
    return false;
  }
  return true;
}

// An imported file is written back in its own encoding.
bool DocumentCommands::save_imported(const std::function<Status()>& write) {
  clear_read_only(ws_.document.name);
  const Status saved = long_step(kSaveCaption, write);
  if (!saved) {
    prompter_.error(saved.message());
    return false;
  }
  clear_modified();
  return true;
}

bool DocumentCommands::Save1Click() {
  DocumentState& doc = ws_.document;
  if (doc.iscii_mode) return save_imported([&] { return encodings_.save_iscii(editor_, doc.name); });
  if (doc.text_form)
    return save_imported([&] { return encodings_.save_unicode(editor_, doc.name, {*doc.text_form}); });
  if (needs_a_name(doc.name)) return SaveAs1Click();
  if (!save_to(doc.name, doc.save_format)) return false;
  clear_modified();
  return true;
}

bool DocumentCommands::SaveAs1Click() {
  FileDialogRequest request;
  request.title = "Save File";
  request.filter = kSaveFilter;
  request.filter_index = ws_.settings.default_save_type + 1;
  // The name proposed carries the extension of the filter the dialog opens on.
  const SaveAsFilter proposed = save_as_filter(request.filter_index).value_or(*save_as_filter(1));
  request.default_extension = std::string(proposed.extension).substr(1);
  request.proposed_name = with_extension(ws_.document.name, proposed.extension);
  const std::optional<FileChoice> choice = dialogs_.save(request);
  if (!choice) return false;
  const SaveAsFilter filter = save_as_filter(choice->filter_index).value_or(*save_as_filter(1));
  // The question is about the file that will be written, extension included.
  const fs::path path = with_forced_extension(choice->path, filter.extension);
  if (!may_replace(path, prompter_)) return false;
  if (!save_to(path, filter.format)) return false;
  DocumentState& doc = ws_.document;
  doc.save_format = filter.format;
  doc.name = path.string();
  doc.save_enabled = true;
  doc.iscii_mode = false;
  doc.text_form.reset();
  remember_recent_file(ws_.settings, doc.name, path);
  doc.untitled = false;
  clear_modified();
  return true;
}

void DocumentCommands::Import1Click() {
  if (!CloseCurrentFile()) return;
  prompter_.status_caption(kImportCaption);
  ws_.conversion.typing = false;
  FileDialogRequest request;
  request.title = "Import File";
  request.filter = kImportFilter;
  request.must_exist = true;
  const std::optional<FileChoice> choice = dialogs_.open(request);
  if (!choice) {
    prompter_.status_caption("");
    return;
  }
  const bool unicode = upper_extension(choice->path) == ".TXT";
  TextFileForm form;
  const Status imported = long_step(nullptr, [&] {
    return unicode ? encodings_.import_unicode(editor_, choice->path, form)
                   : encodings_.import_iscii(editor_, choice->path);
  });
  if (!imported) {
    prompter_.error(imported.message());
    prompter_.status_caption("");
    return;
  }
  DocumentState& doc = ws_.document;
  doc.iscii_mode = !unicode;
  // A text file is saved back as it was written; an ISCII file only through Save As.
  if (unicode) doc.text_form = form;
  doc.save_enabled = unicode;
  doc.untitled = !unicode;
  doc.name = choice->path.string();
  clear_modified();
  prompter_.status_caption("");
}

void DocumentCommands::Export1Click() {
  prompter_.status_caption(kExportCaption);
  FileDialogRequest request;
  request.title = "Export File";
  request.filter = kExportFilter;
  request.filter_index = 1;
  request.default_extension = "txt";
  request.proposed_name = with_extension(ws_.document.name, ".txt");
  const std::optional<FileChoice> choice = dialogs_.save(request);
  if (!choice) {
    prompter_.status_caption("");
    return;
  }
  const int kind = choice->filter_index;
  const char* extension = kind == kExportIscii ? ".aci" : kind == kExportPdf ? ".pdf" : ".txt";
  const UnicodeExport unicode{kind == kExportUtf8 ? kLinuxUtf8Form : kProgramUnicodeForm,
                              ws_.export_gurmukhi_digits};
  const fs::path path = with_forced_extension(choice->path, extension);
  if (!may_replace(path, prompter_)) {
    prompter_.status_caption("");
    return;
  }
  const int start = editor_.SelStart(), length = editor_.SelLength();
  clear_read_only(path);
  if (kind == kExportPdf) {
    editor_.SetViewMode(kCentredPageView);
    ws_.settings.view_mode = kCentredPageView;
  }
  const Status saved = long_step(nullptr, [&] {
    if (kind == kExportIscii) return encodings_.save_iscii(editor_, path);
    if (kind == kExportPdf) return editor_.SaveFile(path, FormatCode::Pdf);
    return encodings_.save_unicode(editor_, path, unicode);
  });
  if (!saved) prompter_.error(saved.message());
  editor_.Select(start, length);
  prompter_.status_caption("");
}

void DocumentCommands::RecentFileClick(int item) {
  const std::string& caption = item == 1 ? ws_.settings.recent_file1 : ws_.settings.recent_file2;
  const std::string path = recent_path(caption);
  if (path.empty()) return;
  if (!CloseCurrentFile()) return;
  open_by_extension(path, 0);
}

FileMenuState DocumentCommands::File1Click() const {
  const bool has_text = editor_.TextLength() > 0;
  FileMenuState state;
  state.close = state.save_as = has_text;
  state.save = has_text && ws_.document.save_enabled;
  state.export_ = !ws_.document.name.empty();
  return state;
}

}  // namespace quilm
