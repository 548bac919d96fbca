#include "dict/ui/admin_terms_window.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "dict/admin_terms.h"
#include "dict/font_text.h"
#include "dict/gurmukhi_text.h"
#include "tables/open_table_file.h"

namespace quilm::ui {
namespace {

constexpr int kGridRows = 12;  // terms shown from the one found on

QString qt(const std::string& utf8) { return QString::fromStdString(utf8); }

}  // namespace

TAdministrativeWindow::TAdministrativeWindow(Editor& editor, const FontRegistry& registry,
                                             ConversionContext& conversion, Prompter& prompter,
                                             const std::filesystem::path& data_folder, MeaningText punjabi_font,
                                             QWidget* parent)
    : QWidget(parent, Qt::Tool),
      editor_(editor),
      registry_(registry),
      converter_(conversion),
      punjabi_font_(std::move(punjabi_font)) {
  if (const Status opened = open_table_file(adt_, data_folder / "adt", "ROMAN"); !opened)
    prompter.error(opened.message());
  build();
}

void TAdministrativeWindow::build() {
  setWindowTitle("Punjabi Administrative Terms");
  input_ = new QLineEdit(this);
  input_->installEventFilter(this);
  grid_ = new QTableWidget(0, 2, this);
  grid_->setHorizontalHeaderLabels({"ENGLISH", "PUNJABI"});
  grid_->horizontalHeader()->setStretchLastSection(true);
  grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
  grid_->setSelectionMode(QAbstractItemView::SingleSelection);
  grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grid_->installEventFilter(this);
  insert_ = new QPushButton("&Insert Text", this);
  auto* close = new QPushButton("Close", this);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(insert_);
  buttons->addWidget(close);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel("Enter English Administrative Term", this));
  layout->addWidget(input_);
  layout->addWidget(grid_);
  layout->addLayout(buttons);
  connect(input_, &QLineEdit::textChanged, this, [this] { find_term(); });
  connect(grid_, &QTableWidget::cellDoubleClicked, this, [this] { InsertTextClick(); });
  connect(insert_, &QPushButton::clicked, this, &TAdministrativeWindow::InsertTextClick);
  connect(close, &QPushButton::clicked, this, &QWidget::close);
  find_term();
}

void TAdministrativeWindow::ShowTerms() {
  input_->clear();
  show();
  input_->setFocus();
}

void TAdministrativeWindow::find_term() {
  if (!adt_.Active()) return;
  AdminTerm term;
  if (!find_admin_term(adt_, input_->text().toStdString(), term)) adt_.Last();
  show_rows();
}

// Up and Down in the box step through the terms; a character typed in the
// grid goes on the end of the box, which takes the focus back.
bool TAdministrativeWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return QWidget::eventFilter(watched, event);
  auto* key = static_cast<QKeyEvent*>(event);
  if (watched == input_ && (key->key() == Qt::Key_Down || key->key() == Qt::Key_Up)) {
    step(key->key() == Qt::Key_Down ? 1 : -1);
    return true;
  }
  if (watched == grid_ && !key->text().isEmpty() && key->text().at(0).unicode() > 64) {
    input_->setText(input_->text() + key->text());
    input_->setFocus();
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

void TAdministrativeWindow::step(int rows) {
  if (!adt_.Active() || adt_.IsEmpty()) return;
  adt_.MoveBy(rows);  // stops on the first or the last term
  show_rows();
}

// The grid lists the current term and those after it; the table is left
// on the current term, which the grid selects.
void TAdministrativeWindow::show_rows() {
  grid_->setRowCount(0);
  if (adt_.IsEmpty()) {
    insert_->setEnabled(false);
    return;
  }
  const Bytes current = adt_.FieldByName("ROMAN").as_text();
  // The table shows its last record with Eof already set after Last(), so
  // the current record is listed before Eof is looked at.
  for (int row = 0; row < kGridRows; ++row) {
    grid_->insertRow(row);
    grid_->setItem(row, 0, new QTableWidgetItem(qt(adt_.FieldByName("ENGLISH").as_text())));
    grid_->setItem(row, 1, new QTableWidgetItem(qt(utf8_of_dictionary_bytes(adt_.FieldByName("PUNJABI").as_text(),
                                                                              converter_))));
    adt_.Next();
    if (adt_.Eof()) break;
  }
  adt_.FindNearest({FieldValue(current)});
  grid_->selectRow(0);
  insert_->setEnabled(true);
}

void TAdministrativeWindow::InsertTextClick() {
  if (!adt_.Active() || adt_.IsEmpty()) return;
  const int row = std::max(0, grid_->currentRow());
  const Bytes current = adt_.FieldByName("ROMAN").as_text();
  adt_.MoveBy(row);
  const Bytes insertion = admin_term_insertion(adt_.FieldByName("PUNJABI").as_text());
  adt_.FindNearest({FieldValue(current)});
  insert_meaning(editor_, meaning_of_glyphs(insertion, punjabi_font_, registry_, converter_));
  input_->clear();
  input_->setFocus();
}

}  // namespace quilm::ui
