#include "editors/ui/qt_pdf.h"

#include "editors/ui/page_count.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPdfWriter>
#include <algorithm>
#include <memory>
#include <utility>

namespace quilm {
namespace {

constexpr double kTwipsPerPoint = 20.0;
constexpr double kInch = 72.0;  // points

double points(int twips) { return std::max(twips, 0) / kTwipsPerPoint; }

// Two margins of a side of `side` points, shrunk in proportion when they
// would leave less than an inch between them (as the page count does).
std::pair<double, double> fitted(double a, double b, double side) {
  const double room = side - kInch;
  const double scale = a + b > room ? room / (a + b) : 1.0;
  return {a * scale, b * scale};
}

}  // namespace

QPageLayout qt_page_layout(const Editor::PageLayout& page) {
  // Paper of at least two inches each way.
  const QSizeF paper(std::max(points(page.width), 2 * kInch), std::max(points(page.height), 2 * kInch));
  const auto [left, right] = fitted(points(page.margin_left), points(page.margin_right), paper.width());
  const auto [top, bottom] = fitted(points(page.margin_top), points(page.margin_bottom), paper.height());
  return QPageLayout(QPageSize(paper, QPageSize::Point, QString(), QPageSize::ExactMatch), QPageLayout::Portrait,
                     QMarginsF(left, top, right, bottom), QPageLayout::Point);
}

Bytes document_pdf(const QTextDocument& doc, const Editor::PageLayout& page) {
  QByteArray data;
  QBuffer buffer(&data);
  buffer.open(QIODevice::WriteOnly);
  {
    QPdfWriter writer(&buffer);
    writer.setCreator("Quilm 2010");
    writer.setPageLayout(qt_page_layout(page));
    // Laid out in points on the printable area, as the page count sees it;
    // Qt scales the pages onto the writer's paper.
    QImage device = point_device();
    paged_copy(doc, page, device)->print(&writer);
  }
  return Bytes(data.constData(), static_cast<std::size_t>(data.size()));
}

}  // namespace quilm
