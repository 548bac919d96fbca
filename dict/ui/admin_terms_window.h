// "Punjabi Administrative Terms": an English administrative term typed in
// the box moves the grid of the table adt to the nearest term; "&Insert
// Text" (or a double click on the grid) puts the Punjabi of the term into
// the document, with a blank either side, in the Punjabi default font.
// Not modal; reused.
#pragma once

#include <QWidget>
#include <filesystem>

#include "common/prompter.h"
#include "dict/meaning_insertion.h"
#include "editor/editor.h"
#include "fonts/conversion.h"
#include "fonts/registry.h"
#include "tables/sqlite_table.h"

class QLineEdit;
class QPushButton;
class QTableWidget;

namespace quilm::ui {

class TAdministrativeWindow : public QWidget {
  Q_OBJECT

 public:
  // `punjabi_font`: the font and size the term goes into the document in
  // (the Punjabi default font); its text is left empty.
  TAdministrativeWindow(Editor& editor, const FontRegistry& registry, ConversionContext& conversion,
                        Prompter& prompter, const std::filesystem::path& data_folder, MeaningText punjabi_font,
                        QWidget* parent = nullptr);

  // Empties the box and gives it the focus.
  void ShowTerms();

  QLineEdit* input_box() const { return input_; }
  QTableWidget* grid() const { return grid_; }
  QPushButton* insert_button() const { return insert_; }

 public slots:
  void InsertTextClick();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void build();
  void find_term();
  void step(int rows);
  void show_rows();

  Editor& editor_;
  const FontRegistry& registry_;
  FontConverter converter_;
  MeaningText punjabi_font_;
  SqliteTable adt_;
  QLineEdit* input_ = nullptr;
  QTableWidget* grid_ = nullptr;
  QPushButton* insert_ = nullptr;
};

}  // namespace quilm::ui
