// Zoom of the Qt editor. The document is laid out for a paint device whose
// resolution is the screen's times the zoom: every character, whatever point
// size it has, is drawn larger and the mouse still finds its place, while the
// point sizes held in the document (and saved, copied, printed) stay as they are.
#pragma once

#include <QImage>
#include <QTextDocument>

namespace quilm {

class LayoutZoom {
 public:
  // Lays `doc` out again at `percent` of a screen of `screen_dpi`.
  void apply(QTextDocument& doc, int percent, int screen_dpi);
  // Gives the document back its own paint device (the screen), if it still has ours.
  void release(QTextDocument& doc);

 private:
  QImage device_;
};

}  // namespace quilm
