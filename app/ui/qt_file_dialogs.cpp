#include "app/ui/qt_file_dialogs.h"

#include "app/ui/dialog_filters.h"

namespace quilm::ui {

void prepare_file_dialog(QFileDialog& dialog, const FileDialogRequest& request, QFileDialog::AcceptMode mode) {
  dialog.setAcceptMode(mode);
  if (!request.title.empty()) dialog.setWindowTitle(QString::fromStdString(request.title));
  const QStringList filters = qt_name_filters(request.filter);
  dialog.setNameFilters(filters);
  if (request.filter_index >= 1 && request.filter_index <= filters.size())
    dialog.selectNameFilter(filters[request.filter_index - 1]);
  dialog.setDefaultSuffix(QString::fromStdString(request.default_extension));
  if (!request.proposed_name.empty()) dialog.selectFile(QString::fromStdString(request.proposed_name));
  if (mode == QFileDialog::AcceptSave) {
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
  } else {
    dialog.setFileMode(request.must_exist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
  }
}

std::optional<FileChoice> chosen_file(const QFileDialog& dialog) {
  const QStringList files = dialog.selectedFiles();
  if (files.isEmpty() || files.front().isEmpty()) return std::nullopt;
  FileChoice choice;
  choice.path = files.front().toStdString();
  const qsizetype index = dialog.nameFilters().indexOf(dialog.selectedNameFilter());
  choice.filter_index = index < 0 ? 1 : static_cast<int>(index) + 1;
  return choice;
}

std::optional<FileChoice> QtFileDialogs::open(const FileDialogRequest& request) {
  return run(request, QFileDialog::AcceptOpen);
}

std::optional<FileChoice> QtFileDialogs::save(const FileDialogRequest& request) {
  return run(request, QFileDialog::AcceptSave);
}

std::vector<std::filesystem::path> QtFileDialogs::open_many(const FileDialogRequest& request) {
  QFileDialog dialog(parent_);
  prepare_file_dialog(dialog, request, QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::ExistingFiles);
  std::vector<std::filesystem::path> files;
  if (dialog.exec() != QDialog::Accepted) return files;
  for (const QString& file : dialog.selectedFiles()) files.emplace_back(file.toStdString());
  return files;
}

std::optional<FileChoice> QtFileDialogs::run(const FileDialogRequest& request, QFileDialog::AcceptMode mode) {
  QFileDialog dialog(parent_);
  prepare_file_dialog(dialog, request, mode);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return chosen_file(dialog);
}

}  // namespace quilm::ui
