// "New Dictionary" (TNewDict): a name, "Set Default Dictionary", OK and
// Cancel. OK creates the file (spell/new_dictionary.h); making it the
// dictionary in use is left to the caller, which holds the word
// collections.
#pragma once

#include <QDialog>
#include <filesystem>
#include <optional>
#include <string>

#include "common/prompter.h"

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace quilm::ui {

class TNewDict : public QDialog {
  Q_OBJECT
 public:
  TNewDict(std::filesystem::path data_folder, Prompter& prompter, QWidget* parent = nullptr);

  // The name of the dictionary OK created (without ".dic"), if it did.
  const std::optional<std::string>& created() const { return created_; }
  bool set_default() const;

  QLineEdit* name_box() const { return Edit1; }
  QCheckBox* default_box() const { return CheckBox1; }
  QPushButton* ok_button() const { return BitBtn2; }

  void Edit1Change();
  // The name box loses the focus: a name that exists is refused at once.
  void Edit1Exit();
  void BitBtn2Click();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  bool refuse_existing_name();
  void back_to_name();

  std::filesystem::path data_folder_;
  Prompter& prompter_;
  std::optional<std::string> created_;
  QLineEdit* Edit1 = nullptr;
  QCheckBox* CheckBox1 = nullptr;
  QPushButton* BitBtn2 = nullptr;  // OK
  QPushButton* BitBtn1 = nullptr;  // Cancel
};

}  // namespace quilm::ui
