// The open and save dialogs of the document commands, as Qt file dialogs.
#pragma once

#include <QFileDialog>

#include "common/file_dialogs.h"

class QWidget;

namespace quilm::ui {

// Sets up `dialog` for `request`: title, filters with the requested one
// chosen, default suffix, proposed name, and whether the file must exist.
// A save dialog leaves the question about replacing a file to its caller.
void prepare_file_dialog(QFileDialog& dialog, const FileDialogRequest& request, QFileDialog::AcceptMode mode);

// What an accepted dialog holds: the first chosen file and the filter left
// chosen, counted from 1 (1 when the dialog has no filters).
std::optional<FileChoice> chosen_file(const QFileDialog& dialog);

class QtFileDialogs final : public FileDialogs {
 public:
  explicit QtFileDialogs(QWidget* parent) : parent_(parent) {}
  std::optional<FileChoice> open(const FileDialogRequest& request) override;
  std::optional<FileChoice> save(const FileDialogRequest& request) override;
  std::vector<std::filesystem::path> open_many(const FileDialogRequest& request) override;

 private:
  std::optional<FileChoice> run(const FileDialogRequest& request, QFileDialog::AcceptMode mode);
  QWidget* parent_;
};

}  // namespace quilm::ui
