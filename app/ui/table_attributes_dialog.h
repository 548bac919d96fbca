// The Table menu's "&Attributes...": border width, cell padding and spacing,
// width and alignment of the table at the caret. The numbers are typed and
// read by the core (read_table_attributes); a bad one is reported and the
// dialog stays open with the table unchanged.
#pragma once

#include <QDialog>

#include "common/prompter.h"
#include "editor/editor.h"

class QComboBox;
class QLineEdit;

namespace quilm::ui {

class TableAttributesDialog : public QDialog {
  Q_OBJECT
 public:
  TableAttributesDialog(Editor& editor, Prompter& prompter, QWidget* parent = nullptr);

  // Shows the attributes of the table at the caret; false outside a table.
  bool prepare();
  QLineEdit* field(const char* name) const;
  QComboBox* alignment() const { return alignment_; }

 public slots:
  void accept() override;

 private:
  QLineEdit* add_field(const char* name, const QString& label);

  Editor& editor_;
  Prompter& prompter_;
  QLineEdit* border_ = nullptr;
  QLineEdit* padding_ = nullptr;
  QLineEdit* spacing_ = nullptr;
  QLineEdit* width_ = nullptr;
  QComboBox* alignment_ = nullptr;
};

}  // namespace quilm::ui
