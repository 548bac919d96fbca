// "Options" (Tools → "Options..."): the default fonts and sizes, the zoom,
// the two check boxes, the type of saved files, the keyboard layout, the page
// view and the additional dictionary. OK checks every entry before taking
// any over: a bad one is said through the prompter and the dialog stays open
// with the settings unchanged.
#pragma once

#include <QDialog>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/options.h"
#include "common/prompter.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;

namespace quilm::ui {

class TOptions : public QDialog {
  Q_OBJECT
 public:
  TOptions(Prompter& prompter, QWidget* parent = nullptr);

  // The modal dialog over `current`, showing the editor's zoom and view.
  // The settings with the user's entries on OK; nothing on Cancel.
  // `dictionaries` are the additional dictionaries of the data folder; a
  // choice the user makes among them goes to `choose_dictionary` at once.
  std::optional<Settings> run(const Settings& current, int editor_zoom, int editor_view_mode,
                              const std::vector<std::string>& layout_items,
                              const std::vector<std::string>& dictionaries,
                              const std::function<void(const std::string&)>& choose_dictionary);

  void accept() override;

 private:
  void show_entry(const OptionsEntry& entry, const std::vector<std::string>& layout_items);
  OptionsEntry typed_entry() const;

  Prompter& prompter_;
  Settings current_;
  int layout_items_ = 0;
  std::optional<Settings> result_;
  std::function<void(const std::string&)> choose_dictionary_;
  QComboBox* punjabi_font_ = nullptr;
  QComboBox* punjabi_size_ = nullptr;
  QComboBox* english_font_ = nullptr;
  QComboBox* english_size_ = nullptr;
  QComboBox* zoom_ = nullptr;
  QCheckBox* double_click_ = nullptr;
  QCheckBox* legal_check_ = nullptr;
  QComboBox* save_type_ = nullptr;
  QComboBox* layout_ = nullptr;
  QButtonGroup* page_ = nullptr;
  QComboBox* dictionary_ = nullptr;
};

}  // namespace quilm::ui
