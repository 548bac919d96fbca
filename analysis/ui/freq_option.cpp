#include "analysis/ui/freq_option.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace quilm::ui {
namespace {

constexpr int kLongestNumber = 9;

QLineEdit* number_box(const std::string& text, FrequencyOption option, QWidget* parent) {
  auto* box = new QLineEdit(QString::fromStdString(text), parent);
  box->setObjectName(QString::fromLatin1(frequency_option_caption(option)).remove(' '));
  box->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]*"), box));
  box->setMaxLength(kLongestNumber);
  return box;
}

}  // namespace

TFOption::TFOption(const FrequencyOptions& current, Prompter& prompter, QWidget* parent)
    : QDialog(parent), prompter_(prompter), options_(current) {
  setObjectName("TFOption");
  setWindowTitle("Frequency Options");
  const FrequencyOptionTexts texts = frequency_option_texts(current);
  auto* layout = new QVBoxLayout(this);
  auto* filter = new QGroupBox(tr("Word Frequency Filter"), this);
  auto* filter_form = new QFormLayout(filter);
  auto* thresholds = new QGroupBox(tr("Thresholds"), this);
  auto* threshold_form = new QFormLayout(thresholds);
  for (std::size_t i = 0; i < kFrequencyOptionCount; ++i) {
    const auto option = static_cast<FrequencyOption>(i);
    boxes_[i] = number_box(texts[i], option, this);
    const bool threshold = option == FrequencyOption::BigramThreshold || option == FrequencyOption::TrigramThreshold;
    (threshold ? threshold_form : filter_form)->addRow(tr(frequency_option_caption(option)), boxes_[i]);
  }
  layout->addWidget(filter);
  layout->addWidget(thresholds);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &TFOption::OKClick);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
}

void TFOption::OKClick() {
  FrequencyOptionTexts texts;
  for (std::size_t i = 0; i < kFrequencyOptionCount; ++i) texts[i] = boxes_[i]->text().toStdString();
  if (const Status read = read_frequency_options(texts, options_); !read.ok()) {
    prompter_.error(read.message());
    return;
  }
  accept();
}

}  // namespace quilm::ui
