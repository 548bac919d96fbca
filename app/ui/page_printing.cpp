#include "app/ui/page_printing.h"

#include <QAbstractTextDocumentLayout>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <algorithm>
#include <cmath>

#include "editors/ui/page_count.h"
#include "editors/ui/qt_pdf.h"

namespace quilm::ui {
namespace {

constexpr double kTwipsPerPoint = 20.0;
constexpr double kPointsPerInch = 72.0;
constexpr int kPageNumberPoints = 10;

int twips(double points) { return static_cast<int>(std::lround(points * kTwipsPerPoint)); }

// The page number of page `index` (from 0), drawn in the middle of the top or
// bottom margin, aligned within the width of the text. The painter works in
// points from the paper's top left corner.
void draw_page_number(QPainter& painter, const PrintJob& job, const QPageLayout& layout, int index) {
  const std::string text = page_number_text(job.numbering, index);
  if (text.empty()) return;
  const QRectF paper = layout.fullRectPoints();
  const QMarginsF margins = layout.marginsPoints();
  const bool header = job.numbering.place == PageNumberPlace::Header;
  const QRectF band(margins.left(), header ? 0 : paper.height() - margins.bottom(),
                    paper.width() - margins.left() - margins.right(), header ? margins.top() : margins.bottom());
  Qt::Alignment horizontal = Qt::AlignHCenter;
  if (job.numbering.alignment == Alignment::Left) horizontal = Qt::AlignLeft;
  if (job.numbering.alignment == Alignment::Right) horizontal = Qt::AlignRight;
  QFont font = job.text.defaultFont();
  font.setPixelSize(kPageNumberPoints);  // the painter's unit is the point
  painter.setFont(font);
  painter.setPen(Qt::black);
  painter.drawText(band, horizontal | Qt::AlignVCenter, QString::fromStdString(text));
}

// The text of page `index` (from 0) of `paged`, laid out in points, inside
// the margins.
void draw_page_text(QPainter& painter, QTextDocument& paged, const QPageLayout& layout, int index) {
  const QSizeF body = paged.pageSize();
  const QRectF clip(0, index * body.height(), body.width(), body.height());
  painter.save();
  painter.translate(layout.marginsPoints().left(), layout.marginsPoints().top() - clip.top());
  painter.setClipRect(clip);
  QAbstractTextDocumentLayout::PaintContext context;
  context.clip = clip;
  context.palette.setColor(QPalette::Text, Qt::black);
  paged.documentLayout()->draw(&painter, context);
  painter.restore();
}

}  // namespace

Editor::PageLayout page_layout_from(const QPageLayout& layout) {
  const QRectF paper = layout.fullRectPoints();
  const QMarginsF margins = layout.marginsPoints();
  return {twips(paper.width()),  twips(paper.height()),  twips(margins.left()),
          twips(margins.top()),  twips(margins.right()), twips(margins.bottom())};
}

int page_count(const PrintJob& job) { return pages_of(job.text, job.page); }

bool print_pages(QPrinter& printer, const PrintJob& job, int first, int last) {
  printer.setPageLayout(qt_page_layout(job.page));
  printer.setFullPage(true);  // drawn from the paper's corner; the margins are the job's
  QImage device = point_device();
  const std::unique_ptr<QTextDocument> paged = paged_copy(job.text, job.page, device);
  const int pages = std::max(1, paged->pageCount());
  first = std::clamp(first, 1, pages);
  last = std::clamp(last, first, pages);

  QPainter painter;
  if (!painter.begin(&printer)) return false;
  const double scale = printer.resolution() / kPointsPerInch;
  painter.scale(scale, scale);
  const QPageLayout layout = printer.pageLayout();
  for (int page = first; page <= last; ++page) {
    if (page != first && !printer.newPage()) return false;
    draw_page_text(painter, *paged, layout, page - 1);
    draw_page_number(painter, job, layout, page - 1);
  }
  return painter.end();
}

bool print_to_pdf(const std::filesystem::path& path, const PrintJob& job) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(QString::fromStdString(path.string()));
  printer.setCreator("Quilm 2010");
  return print_pages(printer, job, 1, page_count(job));
}

bool run_page_setup(QWidget* parent, Editor& editor) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setFullPage(true);
  printer.setPageLayout(qt_page_layout(editor.Page()));
  QPageSetupDialog dialog(&printer, parent);
  if (dialog.exec() != QDialog::Accepted) return false;
  editor.SetPage(page_layout_from(printer.pageLayout()));
  return true;
}

void show_print_preview(QWidget* parent, const PrintJob& job) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setPageLayout(qt_page_layout(job.page));
  QPrintPreviewDialog preview(&printer, parent);
  preview.setWindowTitle(QObject::tr("Print Preview"));
  QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                   [&job](QPrinter* target) { print_pages(*target, job, 1, page_count(job)); });
  preview.exec();
}

bool print_with_dialog(QWidget* parent, const PrintJob& job, const QString& document_name) {
  const int pages = page_count(job);
  QPrinter printer(QPrinter::HighResolution);
  printer.setPageLayout(qt_page_layout(job.page));
  printer.setCopyCount(1);
  QPrintDialog dialog(&printer, parent);
  dialog.setMinMax(1, pages);
  dialog.setFromTo(1, pages);
  if (dialog.exec() != QDialog::Accepted) return false;
  int first = 1, last = pages;
  if (printer.printRange() == QPrinter::PageRange) {
    first = printer.fromPage();
    last = printer.toPage();
  }
  if (print_pages(printer, job, first, last)) return true;
  QMessageBox::critical(parent, QObject::tr("Print"), QObject::tr("ERROR printing ") + document_name);
  return false;
}

}  // namespace quilm::ui
