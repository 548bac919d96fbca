// The "Sort File" dialog: the lines of a text file put in Gurmukhi order
// into a target file. The source's "Browse..." proposes a target beside it
// ("words-sorted.txt"), so that the source is replaced only when the user
// names it; an existing target is replaced only after a Yes. The font list
// offers "Unicode" (UTF-8 text) after its empty entry (bytes as they
// stand). The work is sort_file's (sort/sort_file.h).
#pragma once

#include <QDialog>

#include "common/file_dialogs.h"
#include "common/prompter.h"
#include "fonts/conversion.h"
#include "fonts/registry.h"

class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace quilm::ui {

inline constexpr const char* kSortingCaption = "Sorting...";

class SortFileDialog : public QDialog {
  Q_OBJECT
 public:
  SortFileDialog(const FontRegistry& fonts, Prompter& prompter, FileDialogs& dialogs, QWidget* parent = nullptr);

  QLineEdit* source_file() const { return source_; }
  QLineEdit* target_file() const { return target_; }
  QComboBox* font_list() const { return font_; }
  QRadioButton* descending() const { return descending_; }
  QPushButton* sort_button() const { return sort_; }

 public slots:
  void SourceBrowseClick();
  void TargetBrowseClick();
  void SortClick();

 private:
  void refreshSortButton();

  const FontRegistry& fonts_;
  Prompter& prompter_;
  FileDialogs& dialogs_;
  QLineEdit* source_ = nullptr;
  QLineEdit* target_ = nullptr;
  QComboBox* font_ = nullptr;
  QRadioButton* descending_ = nullptr;
  QPushButton* sort_ = nullptr;
};

}  // namespace quilm::ui
