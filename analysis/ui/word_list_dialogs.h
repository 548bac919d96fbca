// The two word-list dialogs of the analysis window: "Save WordList" (a name
// and "Save As": "DataBase" or "Comma Delimited Textfile") and "Load
// WordList" (the stored names, sorted; "Load" or a double-click).
#pragma once

#include <QDialog>
#include <string>
#include <vector>

class QComboBox;
class QLineEdit;
class QListWidget;

namespace quilm::ui {

class SaveWordListDialog : public QDialog {
  Q_OBJECT
 public:
  SaveWordListDialog(const QString& name, QWidget* parent = nullptr);
  QString name() const;
  bool comma_delimited() const;

 private:
  QLineEdit* name_ = nullptr;
  QComboBox* save_as_ = nullptr;
};

class LoadWordListDialog : public QDialog {
  Q_OBJECT
 public:
  LoadWordListDialog(const std::vector<std::string>& names, QWidget* parent = nullptr);
  // The chosen name; empty when there is none.
  QString name() const;

 private:
  QListWidget* list_ = nullptr;
};

}  // namespace quilm::ui
