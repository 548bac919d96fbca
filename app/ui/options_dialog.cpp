#include "app/ui/options_dialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QVBoxLayout>

namespace quilm::ui {
namespace {

constexpr int kFontSizes[] = {8, 9, 10, 11, 12, 14, 16, 18, 20, 22, 24, 26, 28, 36, 48, 72};
constexpr const char* kSaveTypeNames[kSaveTypes] = {"Word Document (*.doc)", "Text Only (*.txt)",
                                                    "Web Page (*.htm, *.html)", "Rich Text Format (*.rtf)",
                                                    "Punjabi File (*.pbi)"};
constexpr const char* kPageViews[] = {"Normal Layout", "Page Layout", "Centred Page Layout"};

QString qs(const std::string& text) { return QString::fromStdString(text); }

QComboBox* font_box(QWidget* owner, const char* name) {
  auto* box = new QComboBox(owner);
  box->setObjectName(name);
  box->setEditable(true);
  return box;
}

QComboBox* size_box(QWidget* owner, const char* name) {
  auto* box = new QComboBox(owner);
  box->setObjectName(name);
  box->setEditable(true);
  for (int size : kFontSizes) box->addItem(QString::number(size));
  return box;
}

// Selects the item whose text is `text`, or types it in the box.
void show_text(QComboBox* box, const QString& text) {
  const int index = box->findText(text);
  if (index >= 0)
    box->setCurrentIndex(index);
  else
    box->setEditText(text);
}

}  // namespace

TOptions::TOptions(Prompter& prompter, QWidget* parent) : QDialog(parent), prompter_(prompter) {
  setObjectName("TOptions");
  setWindowTitle(tr("Options"));
  auto* form = new QFormLayout;
  punjabi_font_ = font_box(this, "PunjabiFont");
  punjabi_size_ = size_box(this, "PunjabiSize");
  english_font_ = font_box(this, "EnglishFont");
  english_size_ = size_box(this, "EnglishSize");
  auto* punjabi = new QHBoxLayout;
  punjabi->addWidget(punjabi_font_, 1);
  punjabi->addWidget(punjabi_size_);
  auto* english = new QHBoxLayout;
  english->addWidget(english_font_, 1);
  english->addWidget(english_size_);
  form->addRow(tr("Punjabi Font"), punjabi);
  form->addRow(tr("English Font"), english);
  zoom_ = new QComboBox(this);
  zoom_->setObjectName("Zoom");
  for (int step = 0; zoom_percent(step); ++step) zoom_->addItem(QString("%1%").arg(*zoom_percent(step)));
  form->addRow(tr("Zoom"), zoom_);
  save_type_ = new QComboBox(this);
  save_type_->setObjectName("SaveType");
  for (const char* name : kSaveTypeNames) save_type_->addItem(tr(name));
  form->addRow(tr("Save Quilm files as"), save_type_);
  layout_ = new QComboBox(this);
  layout_->setObjectName("KeyboardLayout");
  form->addRow(tr("Map keys using keyboard layout of "), layout_);
  dictionary_ = new QComboBox(this);
  dictionary_->setObjectName("AdditionalDictionary");
  form->addRow(tr("Additional Dictionary:"), dictionary_);
  // A choice of the user (not the filling of the list) switches at once.
  connect(dictionary_, &QComboBox::activated, this, [this](int index) {
    if (choose_dictionary_ && index >= 0) choose_dictionary_(dictionary_->itemText(index).toStdString());
  });

  double_click_ = new QCheckBox(tr("Double clicking on a word opens the appropriate dictionary"), this);
  double_click_->setObjectName("DoubleClick");
  legal_check_ = new QCheckBox(tr("Check for  legal Punjabi character combinations"), this);
  legal_check_->setObjectName("LegalCheck");

  auto* page_box = new QGroupBox(tr("Page"), this);
  auto* page_row = new QHBoxLayout(page_box);
  page_ = new QButtonGroup(this);
  for (int mode = 0; mode < 3; ++mode) {
    auto* button = new QRadioButton(tr(kPageViews[mode]), page_box);
    page_->addButton(button, mode);
    page_row->addWidget(button);
  }

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &TOptions::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &TOptions::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(double_click_);
  layout->addWidget(legal_check_);
  layout->addWidget(page_box);
  layout->addWidget(buttons);
}

std::optional<Settings> TOptions::run(const Settings& current, int editor_zoom, int editor_view_mode,
                                      const std::vector<std::string>& layout_items,
                                      const std::vector<std::string>& dictionaries,
                                      const std::function<void(const std::string&)>& choose_dictionary) {
  current_ = current;
  result_.reset();
  choose_dictionary_ = choose_dictionary;
  // The font lists are filled for each showing and emptied afterwards.
  const QStringList families = QFontDatabase::families();
  punjabi_font_->addItems(families);
  english_font_->addItems(families);
  dictionary_->clear();
  for (const std::string& name : dictionaries) dictionary_->addItem(qs(name));
  show_text(dictionary_, qs(current.additional_dictionary));
  show_entry(options_entry(current, editor_zoom, editor_view_mode), layout_items);
  exec();
  punjabi_font_->clear();
  english_font_->clear();
  return result_;
}

void TOptions::show_entry(const OptionsEntry& entry, const std::vector<std::string>& layout_items) {
  show_text(punjabi_font_, qs(entry.punjabi_font));
  show_text(punjabi_size_, qs(entry.punjabi_font_size));
  show_text(english_font_, qs(entry.english_font));
  show_text(english_size_, qs(entry.english_font_size));
  zoom_->setCurrentIndex(entry.zoom_step);
  double_click_->setChecked(entry.dictionary_double_click);
  legal_check_->setChecked(entry.legal_combination_check);
  save_type_->setCurrentIndex(entry.default_save_type);
  layout_->clear();
  for (const std::string& item : layout_items) layout_->addItem(qs(item));
  layout_items_ = static_cast<int>(layout_items.size());
  layout_->setCurrentIndex(entry.layout_choice);
  if (QAbstractButton* view = page_->button(entry.view_mode)) view->setChecked(true);
}

OptionsEntry TOptions::typed_entry() const {
  OptionsEntry entry;
  entry.punjabi_font = punjabi_font_->currentText().toStdString();
  entry.punjabi_font_size = punjabi_size_->currentText().toStdString();
  entry.english_font = english_font_->currentText().toStdString();
  entry.english_font_size = english_size_->currentText().toStdString();
  entry.zoom_step = zoom_->currentIndex();
  entry.dictionary_double_click = double_click_->isChecked();
  entry.legal_combination_check = legal_check_->isChecked();
  entry.default_save_type = save_type_->currentIndex();
  entry.view_mode = page_->checkedId();
  entry.layout_choice = layout_->currentIndex();
  return entry;
}

void TOptions::accept() {
  const OptionsApplied applied = apply_options(current_, typed_entry(), layout_items_);
  if (!applied.status) {
    prompter_.error(applied.status.message());
    return;
  }
  result_ = applied.settings;
  QDialog::accept();
}

}  // namespace quilm::ui
