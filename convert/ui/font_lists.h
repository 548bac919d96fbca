// The font drop-down lists of the conversion dialogs.
#pragma once

#include <string>
#include <vector>

class QComboBox;
class QGridLayout;
class QWidget;

namespace quilm::ui {

// A list that offers `names` (already sorted) and nothing typed.
QComboBox* font_list(QWidget* parent, const char* object_name, const std::vector<std::string>& names);

// Puts `caption` in column 0 of `row` and `field` beside it, `span` columns wide.
void add_labelled_row(QGridLayout* grid, int row, const char* caption, QWidget* field, int span = 1);

}  // namespace quilm::ui
