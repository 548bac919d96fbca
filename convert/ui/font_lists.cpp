#include "convert/ui/font_lists.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>

namespace quilm::ui {

QComboBox* font_list(QWidget* parent, const char* object_name, const std::vector<std::string>& names) {
  auto* list = new QComboBox(parent);
  list->setObjectName(object_name);
  list->setEditable(false);
  for (const std::string& name : names) list->addItem(QString::fromStdString(name));
  return list;
}

void add_labelled_row(QGridLayout* grid, int row, const char* caption, QWidget* field, int span) {
  grid->addWidget(new QLabel(caption, grid->parentWidget()), row, 0);
  grid->addWidget(field, row, 1, 1, span);
}

}  // namespace quilm::ui
