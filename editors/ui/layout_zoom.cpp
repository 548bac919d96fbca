#include "editors/ui/layout_zoom.h"

#include <QAbstractTextDocumentLayout>

namespace quilm {
namespace {

constexpr double kMetresPerInch = 0.0254;

void lay_out_again(QTextDocument& doc) { doc.markContentsDirty(0, doc.characterCount()); }

}  // namespace

void LayoutZoom::apply(QTextDocument& doc, int percent, int screen_dpi) {
  QAbstractTextDocumentLayout* layout = doc.documentLayout();
  if (percent == 100) {
    release(doc);
  } else {
    const int dots_per_metre = qRound(screen_dpi * percent / 100.0 / kMetresPerInch);
    device_ = QImage(1, 1, QImage::Format_RGB32);
    device_.setDotsPerMeterX(dots_per_metre);
    device_.setDotsPerMeterY(dots_per_metre);
    layout->setPaintDevice(&device_);
  }
  lay_out_again(doc);
}

void LayoutZoom::release(QTextDocument& doc) {
  QAbstractTextDocumentLayout* layout = doc.documentLayout();
  if (layout->paintDevice() == &device_) layout->setPaintDevice(nullptr);
}

}  // namespace quilm
