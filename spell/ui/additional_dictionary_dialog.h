// "Additional Dictionary" (TAdditionalDict): which file of the data folder's
// Dict/ folder is the additional dictionary. Opened, modal, by "&Options..."
// of the spelling check; the choice itself is made by
// choose_additional_dictionary (spell/additional_dictionaries.h).
#pragma once

#include <QDialog>
#include <optional>
#include <string>
#include <vector>

class QComboBox;

namespace quilm::ui {

class TAdditionalDict : public QDialog {
  Q_OBJECT
 public:
  explicit TAdditionalDict(QWidget* parent = nullptr);

  // FormShow, then the modal window: the list holds `names`, the entry equal
  // to `current` selected (none when no entry is). OK gives the selected
  // entry (none when nothing is selected); Cancel gives none.
  std::optional<std::string> choose(const std::vector<std::string>& names, const std::string& current);

  QComboBox* dictionary_list() const { return ComboBox1; }

 private:
  QComboBox* ComboBox1 = nullptr;
};

}  // namespace quilm::ui
