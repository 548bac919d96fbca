#include "editors/ui/page_count.h"

#include <QAbstractTextDocumentLayout>
#include <QImage>
#include <algorithm>
#include <memory>

namespace quilm {
namespace {

constexpr double kTwipsPerPoint = 20.0;
constexpr double kPointsPerInch = 72.0;
constexpr double kMetresPerInch = 0.0254;
constexpr double kSmallestSide = kPointsPerInch;  // margins wider than the paper still leave an inch

double printable_points(int side, int margin_a, int margin_b) {
  return std::max((side - margin_a - margin_b) / kTwipsPerPoint, kSmallestSide);
}

}  // namespace

QImage point_device() {
  QImage device(1, 1, QImage::Format_RGB32);
  const int dots_per_metre = qRound(kPointsPerInch / kMetresPerInch);
  device.setDotsPerMeterX(dots_per_metre);
  device.setDotsPerMeterY(dots_per_metre);
  return device;
}

std::unique_ptr<QTextDocument> paged_copy(const QTextDocument& doc, const Editor::PageLayout& page,
                                          QPaintDevice& device) {
  std::unique_ptr<QTextDocument> copy(doc.clone());
  copy->documentLayout()->setPaintDevice(&device);
  copy->setDocumentMargin(0);
  copy->setPageSize(QSizeF(printable_points(page.width, page.margin_left, page.margin_right),
                           printable_points(page.height, page.margin_top, page.margin_bottom)));
  return copy;
}

int pages_of(const QTextDocument& doc, const Editor::PageLayout& page) {
  QImage device = point_device();
  return std::max(1, paged_copy(doc, page, device)->pageCount());
}

}  // namespace quilm
