#include "sort/ui/table_sort_dialog.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "sort/table_sort_command.h"

namespace quilm::ui {
namespace {

constexpr const char* kNone = "none";

QComboBox* type_list(QWidget* parent) {
  auto* list = new QComboBox(parent);
  list->addItems({"Text", "Number"});
  return list;
}

// "Ascending" and "Descending" in a group of their own; returns "Descending".
QRadioButton* order_group(QGridLayout* grid, int row, QWidget* parent) {
  auto* group = new QGroupBox(parent);
  auto* ascending = new QRadioButton("Ascending", group);
  auto* descending = new QRadioButton("Descending", group);
  ascending->setChecked(true);
  auto* layout = new QHBoxLayout(group);
  layout->addWidget(ascending);
  layout->addWidget(descending);
  grid->addWidget(group, row, 3);
  return descending;
}

SortColumn column_choice(int column, const QComboBox* type, const QRadioButton* descending) {
  return {static_cast<std::size_t>(column), type->currentIndex() == 1 ? SortKeyType::Number : SortKeyType::Text,
          descending->isChecked()};
}

QString cell_caption(const std::u16string& text) {
  QString s = QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
  return s.isEmpty() ? QStringLiteral(" ") : s;
}

}  // namespace

TableSortDialog::TableSortDialog(const FontRegistry& fonts, Editor& editor, Prompter& prompter, QWidget* parent)
    : QDialog(parent), fonts_(fonts), editor_(editor), prompter_(prompter) {
  setObjectName("TTableSort");
  setWindowTitle("Sort...");
  auto* grid = new QGridLayout(this);
  grid->addWidget(new QLabel("Sort  By ", this), 0, 0);
  by_ = new QComboBox(this);
  by_->setObjectName("SortBy");
  grid->addWidget(by_, 0, 1);
  by_type_ = type_list(this);
  grid->addWidget(by_type_, 0, 2);
  by_descending_ = order_group(grid, 0, this);
  grid->addWidget(new QLabel("Then By", this), 1, 0);
  then_ = new QComboBox(this);
  then_->setObjectName("ThenBy");
  grid->addWidget(then_, 1, 1);
  then_type_ = type_list(this);
  grid->addWidget(then_type_, 1, 2);
  then_descending_ = order_group(grid, 1, this);

  auto* header = new QGroupBox("My List Has  ", this);
  header_ = new QRadioButton("Header Row", header);
  no_header_ = new QRadioButton("No Header Row", header);
  no_header_->setChecked(true);
  auto* header_layout = new QHBoxLayout(header);
  header_layout->addWidget(header_);
  header_layout->addWidget(no_header_);
  grid->addWidget(header, 2, 0, 1, 4);
  connect(header_, &QRadioButton::toggled, this, &TableSortDialog::fillColumns);

  auto* ok = new QPushButton("OK ", this);
  ok->setObjectName("OKButton");
  ok->setDefault(true);
  auto* cancel = new QPushButton("&Cancel", this);
  connect(ok, &QPushButton::clicked, this, &TableSortDialog::OKClick);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  grid->addWidget(ok, 3, 2);
  grid->addWidget(cancel, 3, 3);
}

bool TableSortDialog::prepare() {
  table_ = {};
  if (!editor_.TableAtInputPos(table_)) {
    prompter_.message(kNoTableSelected);
    return false;
  }
  by_type_->setCurrentIndex(0);
  then_type_->setCurrentIndex(0);
  no_header_->setChecked(true);
  fillColumns();
  return true;
}

// The columns by number, or by the first row's texts when it is a header.
void TableSortDialog::fillColumns() {
  by_->clear();
  then_->clear();
  const std::vector<std::u16string> names = first_row_texts(table_);
  for (std::size_t c = 0; c < names.size(); ++c) {
    const QString caption = header_->isChecked() ? cell_caption(names[c]) : QString::number(c + 1);
    by_->addItem(caption);
    then_->addItem(caption);
  }
  then_->addItem(kNone);
  by_->setCurrentIndex(0);
  then_->setCurrentIndex(then_->count() - 1);
}

void TableSortDialog::OKClick() {
  TableSortRequest request;
  if (by_->currentIndex() >= 0) request.by = column_choice(by_->currentIndex(), by_type_, by_descending_);
  const int then = then_->currentIndex();
  if (then >= 0 && then < then_->count() - 1) request.then = column_choice(then, then_type_, then_descending_);
  request.header = header_->isChecked();
  ConversionContext context;
  const FontConverter converter(context);
  if (const Status sorted = sort_table_at_caret(editor_, request, fonts_, converter); !sorted.ok())
    prompter_.message(sorted.message());
  accept();
}

}  // namespace quilm::ui
