// The small dialogs of the typing pad: "Options" (the font sizes of the two
// panes and "Ignore Case "), the word entry of "Add Word to Database", and
// the instructions page.
#pragma once

#include <QDialog>
#include <QString>
#include <filesystem>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QTextBrowser;

namespace quilm::ui {

struct PadOptions {
  int roman_font_size = 12;
  int gurmukhi_font_size = 16;
  bool ignore_case = true;
};

class TRtoGOptions : public QDialog {
  Q_OBJECT

 public:
  TRtoGOptions(const PadOptions& options, QWidget* parent = nullptr);
  PadOptions options() const;
  QComboBox* roman_size_box() const { return roman_size_; }
  QComboBox* gurmukhi_size_box() const { return gurmukhi_size_; }
  QCheckBox* ignore_case_box() const { return ignore_case_; }

 private:
  QComboBox* roman_size_ = nullptr;
  QComboBox* gurmukhi_size_ = nullptr;
  QCheckBox* ignore_case_ = nullptr;
};

// A Roman word and its Gurmukhi spelling, to be added to the user's Roman words.
class AddRomanWordDialog : public QDialog {
  Q_OBJECT

 public:
  AddRomanWordDialog(const QString& roman, const QString& gurmukhi, QWidget* parent = nullptr);
  QString roman() const;
  QString gurmukhi() const;
  QLineEdit* roman_box() const { return roman_; }
  QLineEdit* gurmukhi_box() const { return gurmukhi_; }

 private:
  QLineEdit* roman_ = nullptr;
  QLineEdit* gurmukhi_ = nullptr;
};

// The instructions page (an HTML file of the data folder) in a text browser.
class PadInstructions : public QDialog {
  Q_OBJECT

 public:
  PadInstructions(const std::filesystem::path& page, QWidget* parent = nullptr);
  QTextBrowser* browser() const { return browser_; }

 private:
  QTextBrowser* browser_ = nullptr;
};

}  // namespace quilm::ui
