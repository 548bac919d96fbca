#include "app/ui/paragraph_dialogs.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

#include "app/paragraph_commands.h"

namespace quilm::ui {

ParagraphEntryDialog::ParagraphEntryDialog(const char* name, const QString& caption, Prompter& prompter,
                                           QWidget* parent)
    : QDialog(parent), prompter_(prompter) {
  setObjectName(name);
  setWindowTitle(caption);
  auto* layout = new QVBoxLayout(this);
  form_ = new QFormLayout;
  layout->addLayout(form_);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &ParagraphEntryDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &ParagraphEntryDialog::reject);
  layout->addWidget(buttons);
}

QLineEdit* ParagraphEntryDialog::addEntry(const char* name, const QString& label, const std::string& value) {
  auto* entry = new QLineEdit(QString::fromStdString(value), this);
  entry->setObjectName(name);
  form_->addRow(label, entry);
  return entry;
}

QComboBox* ParagraphEntryDialog::addChoice(const char* name, const QString& label, const QStringList& items,
                                           int current) {
  auto* choice = new QComboBox(this);
  choice->setObjectName(name);
  choice->addItems(items);
  choice->setCurrentIndex(current);
  form_->addRow(label, choice);
  return choice;
}

void ParagraphEntryDialog::finish(std::function<Status()> apply) { apply_ = std::move(apply); }

void ParagraphEntryDialog::accept() {
  if (const Status s = apply_(); !s) {
    prompter_.error(s.message());
    return;
  }
  QDialog::accept();
}

namespace {
std::string text_of(const QLineEdit* entry) { return entry->text().toStdString(); }
}  // namespace

TParagraphDlg::TParagraphDlg(Editor& editor, Prompter& prompter, QWidget* parent)
    : ParagraphEntryDialog("TParagraphDlg", tr("Paragraph"), prompter, parent) {
  const ParagraphEntries now = paragraph_entries(editor);
  // In the order of Alignment's values.
  QComboBox* alignment = addChoice("Alignment", tr("Alignment:"), {tr("Left"), tr("Right"), tr("Centre"), tr("Justify")},
                                   static_cast<int>(now.alignment));
  QLineEdit* left = addEntry("LeftIndent", tr("Left indent (pt):"), now.left_indent);
  QLineEdit* right = addEntry("RightIndent", tr("Right indent (pt):"), now.right_indent);
  QLineEdit* first = addEntry("FirstIndent", tr("First line (pt):"), now.first_indent);
  QLineEdit* before = addEntry("SpaceBefore", tr("Spacing before (pt):"), now.space_before);
  QLineEdit* after = addEntry("SpaceAfter", tr("Spacing after (pt):"), now.space_after);
  QLineEdit* spacing = addEntry("LineSpacing", tr("Line spacing (%):"), now.line_spacing);
  finish([=, &editor] {
    return apply_paragraph_entries(editor, {static_cast<Alignment>(alignment->currentIndex()), text_of(left),
                                            text_of(right), text_of(first), text_of(before), text_of(after),
                                            text_of(spacing)});
  });
}

TTabDlg::TTabDlg(Editor& editor, Prompter& prompter, QWidget* parent)
    : ParagraphEntryDialog("TTabDlg", tr("Tab"), prompter, parent) {
  QLineEdit* stops = addEntry("TabStops", tr("Tab stops (pt):"), tab_stop_entry(editor));
  finish([=, &editor] { return apply_tab_stops(editor, text_of(stops)); });
}

TFramesDlg::TFramesDlg(Editor& editor, Prompter& prompter, QWidget* parent)
    : ParagraphEntryDialog("TFramesDlg", tr("Paragraph Frames"), prompter, parent) {
  const FrameEntries now = frame_entries(editor);
  QComboBox* style = addChoice("FrameStyle", tr("Frame:"), {tr("None"), tr("Single line"), tr("Double line")}, now.style);
  QLineEdit* width = addEntry("FrameLineWidth", tr("Line width (pt):"), now.line_width);
  QLineEdit* distance = addEntry("FrameDistance", tr("Distance to text (pt):"), now.distance);
  finish([=, &editor] { return apply_frame_entries(editor, {style->currentIndex(), text_of(width), text_of(distance)}); });
}

TListAttributesDlg::TListAttributesDlg(Editor& editor, Prompter& prompter, QWidget* parent)
    : ParagraphEntryDialog("TListAttributesDlg", tr("Bullets and Numbering"), prompter, parent) {
  const ListAttributeEntries now = list_attribute_entries(editor);
  QLineEdit* start = addEntry("StartNumber", tr("Start number:"), now.start_number);
  QLineEdit* step = addEntry("IndentStep", tr("Indent (pt):"), now.indent_step);
  finish([=, &editor] { return apply_list_attributes(editor, {text_of(start), text_of(step)}); });
}

}  // namespace quilm::ui
