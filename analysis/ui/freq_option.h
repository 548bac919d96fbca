// TFOption, the "Frequency Options" window of the analysis: the display
// filter of the word table (minimum and maximum length and frequency) and
// the pair and triple thresholds, six boxes that take the digits 0-9 only.
// OK takes all six over or, when one holds no number or a minimum is above
// its maximum, none: the message says which box, and the window stays open.
#pragma once

#include <QDialog>
#include <array>

#include "analysis/frequency_options.h"
#include "common/prompter.h"

class QLineEdit;

namespace quilm::ui {

class TFOption : public QDialog {
  Q_OBJECT
 public:
  TFOption(const FrequencyOptions& current, Prompter& prompter, QWidget* parent = nullptr);

  QLineEdit* box(FrequencyOption option) const { return boxes_[static_cast<std::size_t>(option)]; }
  // The settings taken over by OK; the current ones until then.
  const FrequencyOptions& options() const { return options_; }

 public slots:
  void OKClick();

 private:
  Prompter& prompter_;
  FrequencyOptions options_;
  std::array<QLineEdit*, kFrequencyOptionCount> boxes_{};
};

}  // namespace quilm::ui
