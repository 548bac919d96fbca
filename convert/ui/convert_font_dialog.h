// The "Convert Font" dialog: converts a file on disk from one Gurmukhi font
// into another. It gathers the files and fonts and leaves the work to
// FontFileConversion; its "Browse..." buttons ask the file dialogs it is
// given (Qt's in the program, scripted ones in tests).
#pragma once

#include <QDialog>

#include "convert/font_conversion_context.h"
#include "common/file_dialogs.h"
#include "common/prompter.h"
#include "convert/file_font_conversion.h"

class QComboBox;
class QLineEdit;
class QPushButton;

namespace quilm::ui {

inline constexpr const char* kConvertFontFilter =
    "Word Documents (*.Doc)|*.doc|Text files (*.txt)|*.txt|HTML Documents (*.htm)|*.htm|"
    "RTF Documents (*.Rtf)|*.rtf|Punjabi files (*.pbi)|*.pbi|All files (*.*)|*.*";

class ConvertFontDialog : public QDialog {
  Q_OBJECT
 public:
  ConvertFontDialog(const FontConversionContext& context, Prompter& prompter, FileDialogs& file_dialogs,
                    QWidget* parent = nullptr);

  QComboBox* source_list() const { return source_font_; }
  QComboBox* destination_list() const { return destination_font_; }
  QLineEdit* source_file() const { return source_file_; }
  QLineEdit* destination_file() const { return destination_file_; }
  QPushButton* convert_button() const { return convert_; }
  const FontFileConversion& conversion() const { return conversion_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private slots:
  void SourceBrowseClick();
  void DestinationBrowseClick();
  void ConvertClick();
  void refreshConvertButton();

 private:
  Prompter& prompter_;
  FileDialogs& file_dialogs_;
  FontConverter converter_;
  FontFileConversion conversion_;
  QComboBox* source_font_ = nullptr;
  QComboBox* destination_font_ = nullptr;
  QLineEdit* source_file_ = nullptr;
  QLineEdit* destination_file_ = nullptr;
  QPushButton* convert_ = nullptr;
};

}  // namespace quilm::ui
