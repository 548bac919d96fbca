// Printing the document: the pages as the page layout cuts them, each with
// its page number in the header or footer. The same drawing serves the
// printer, the print preview and printing to a PDF file.
#pragma once

#include <QPageLayout>
#include <QString>
#include <QTextDocument>
#include <filesystem>

#include "app/document/page_numbering.h"
#include "editor/editor.h"

class QPrinter;
class QWidget;

namespace quilm::ui {

// What is printed: the text, its page layout and its page numbers.
struct PrintJob {
  const QTextDocument& text;
  Editor::PageLayout page;
  PageNumbering numbering;
};

// The editor's page layout as the page set-up dialog leaves it on a printer:
// the paper turned as the user chose, sizes in twips.
Editor::PageLayout page_layout_from(const QPageLayout& layout);

// How many pages the job fills (at least 1).
int page_count(const PrintJob& job);

// Draws the pages `first` to `last` (from 1, within the job's pages) on
// `printer`, whose page layout becomes the job's. False when the printer
// cannot be drawn on (no such printer, a file that cannot be written).
bool print_pages(QPrinter& printer, const PrintJob& job, int first, int last);

// The whole job into the PDF file `path` through Qt's PDF output.
bool print_to_pdf(const std::filesystem::path& path, const PrintJob& job);

// "Page Properties...": Qt's page set-up on the editor's page layout; OK
// gives the editor the chosen paper, orientation and margins. True on OK.
bool run_page_setup(QWidget* parent, Editor& editor);

// "Print Pre&view": the job in Qt's print preview, which can print it too.
void show_print_preview(QWidget* parent, const PrintJob& job);

// "&Print...": the print dialog over pages 1 to the job's page count; the
// chosen range is printed. A printer that fails gives "ERROR printing "
// followed by `document_name`. False when cancelled or failed.
bool print_with_dialog(QWidget* parent, const PrintJob& job, const QString& document_name);

}  // namespace quilm::ui
