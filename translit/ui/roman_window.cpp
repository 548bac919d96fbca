#include "translit/ui/roman_window.h"

#include <QHBoxLayout>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <memory>

#include "tables/sqlite_table.h"
#include "translit/roman_document.h"
#include "translit/roman_exceptions.h"
#include "translit/ui/samples_window.h"
#include "translit/window_files.h"

namespace quilm::ui {

RomanWindow::RomanWindow(RomanWindowContext context, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint), context_(std::move(context)) {
  setObjectName("RomanWindow");
  setWindowTitle("Romanised Punjabi Text");
  resize(420, 320);
  text_ = new QPlainTextEdit(this);
  text_->setObjectName("RomanText");
  text_->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(text_, &QWidget::customContextMenuRequested, this, &RomanWindow::showContextMenu);

  auto* buttons = new QHBoxLayout;
  const std::pair<const char*, void (RomanWindow::*)()> actions[] = {
      {"Save", &RomanWindow::SaveClick},
      {"Samples", &RomanWindow::SamplesClick},
      {"Transliterate", &RomanWindow::TransliterateClick},
  };
  for (const auto& [caption, slot] : actions) {
    auto* button = new QPushButton(caption, this);
    button->setObjectName(QString(caption) + "Button");
    connect(button, &QPushButton::clicked, this, slot);
    buttons->addWidget(button);
  }
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(text_);
  layout->addLayout(buttons);
}

void RomanWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  TransliterateClick();
}

void RomanWindow::TransliterateClick() {
  const FontConverter converter(context_.conversion);
  // The known transliterations, when the table can be opened; the rules
  // spell every word without it.
  SqliteTable table((context_.data_folder / kRomanExceptionsFile).string());
  std::unique_ptr<StoredRomanExceptions> exceptions;
  if (table.Open()) exceptions = std::make_unique<StoredRomanExceptions>(table);
  const RomanTextTools tools{converter, exceptions.get(), nullptr};
  const std::u16string roman =
      transliterate_document_to_roman(context_.editor, context_.fonts, tools, context_.prompter);
  text_->setPlainText(QString::fromStdU16String(roman));
}

void RomanWindow::SaveClick() {
  SaveRomanText(text_->toPlainText().toStdU16String(), context_.dialogs, context_.prompter);
}

void RomanWindow::SamplesClick() {
  SamplesWindow samples(context_.data_folder, this);
  samples.exec();
}

void RomanWindow::showContextMenu(const QPoint& at) {
  QMenu menu(this);
  menu.addAction("Cut", text_, &QPlainTextEdit::cut);
  menu.addAction("Copy", text_, &QPlainTextEdit::copy);
  menu.addAction("Paste", text_, &QPlainTextEdit::paste);
  menu.addAction("Delete", text_, [this] { text_->textCursor().removeSelectedText(); });
  menu.addAction("Select All", text_, &QPlainTextEdit::selectAll);
  menu.exec(text_->mapToGlobal(at));
}

}  // namespace quilm::ui
