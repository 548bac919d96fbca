#include "app/document/converting_encodings.h"

#include "app/document/workspace_document.h"
#include "convert/iscii_document.h"
#include "convert/unicode_document.h"

namespace quilm {
namespace {

// The prompter of the conversions, without their error boxes: the document
// commands show the failure the conversion returns, once.
class ErrorsReturned final : public Prompter {
 public:
  explicit ErrorsReturned(Prompter& shown) : shown_(shown) {}
  void message(const std::string& text) override { shown_.message(text); }
  void error(const std::string&) override {}
  Answer ask_yes_no_cancel(const std::string& text) override { return shown_.ask_yes_no_cancel(text); }
  bool ask_yes_no(const std::string& text) override { return shown_.ask_yes_no(text); }
  void beep() override { shown_.beep(); }
  void status_caption(const std::string& text) override { shown_.status_caption(text); }
  void progress_start(long max) override { shown_.progress_start(max); }
  void progress_step(long position) override { shown_.progress_step(position); }
  void progress_end() override { shown_.progress_end(); }

 private:
  Prompter& shown_;
};

// Runs `step(context)` on the workspace's document context.
template <typename Step>
Status run(Workspace& ws, Editor& editor, Prompter& prompter, Step step) {
  ErrorsReturned quiet(prompter);
  const FontConverter converter(ws.conversion);
  return step(workspace_document(ws, editor, converter, quiet));
}

using DocumentFileStep = Status (*)(const DocumentContext&, const std::filesystem::path&);

Status run(Workspace& ws, Editor& editor, Prompter& prompter, DocumentFileStep step,
           const std::filesystem::path& path) {
  return run(ws, editor, prompter, [&](const DocumentContext& context) { return step(context, path); });
}

}  // namespace

Status ConvertingEncodings::import_unicode(Editor& editor, const std::filesystem::path& path, TextFileForm& form) {
  return run(ws_, editor, prompter_,
             [&](const DocumentContext& context) { return ImportUnicodeFile(context, path, &form); });
}

Status ConvertingEncodings::import_iscii(Editor& editor, const std::filesystem::path& path) {
  return run(ws_, editor, prompter_, ImportISCIIFile, path);
}

Status ConvertingEncodings::save_unicode(Editor& editor, const std::filesystem::path& path,
                                         const UnicodeExport& how) {
  return run(ws_, editor, prompter_,
             [&](const DocumentContext& context) { return SaveUnicodeFile(context, path, how); });
}

Status ConvertingEncodings::save_iscii(Editor& editor, const std::filesystem::path& path) {
  return run(ws_, editor, prompter_, SaveISCIIFile, path);
}

}  // namespace quilm
