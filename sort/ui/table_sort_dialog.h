// TTableSort, the "Sort..." dialog of the Table menu: the column to sort by
// and an optional second one, each as "Text" or "Number", ascending or
// descending, and whether the first row is a header. Columns are chosen by
// their place in the list, so header texts may repeat. The work is
// sort_table_at_caret's (sort/table_sort_command.h).
#pragma once

#include <QDialog>

#include "common/prompter.h"
#include "editor/editor.h"
#include "fonts/registry.h"

class QComboBox;
class QRadioButton;

namespace quilm::ui {

class TableSortDialog : public QDialog {
  Q_OBJECT
 public:
  TableSortDialog(const FontRegistry& fonts, Editor& editor, Prompter& prompter, QWidget* parent = nullptr);

  // Reads the table at the caret and fills the column lists; false (after
  // "No table selected") when the caret is in no table.
  bool prepare();

  QComboBox* sort_by() const { return by_; }
  QComboBox* then_by() const { return then_; }
  QComboBox* sort_by_type() const { return by_type_; }
  QComboBox* then_by_type() const { return then_type_; }
  QRadioButton* sort_by_descending() const { return by_descending_; }
  QRadioButton* then_by_descending() const { return then_descending_; }
  QRadioButton* header_row() const { return header_; }

 public slots:
  void OKClick();

 private:
  void fillColumns();

  const FontRegistry& fonts_;
  Editor& editor_;
  Prompter& prompter_;
  TableCells table_;
  QComboBox* by_ = nullptr;
  QComboBox* then_ = nullptr;
  QComboBox* by_type_ = nullptr;
  QComboBox* then_type_ = nullptr;
  QRadioButton* by_descending_ = nullptr;
  QRadioButton* then_descending_ = nullptr;
  QRadioButton* header_ = nullptr;
  QRadioButton* no_header_ = nullptr;
};

}  // namespace quilm::ui
