// Thin dotted lines around the cells of tables drawn without a border, so
// the cells show on screen; they are only painted over the view, never part
// of the document, its printing or its files.
#pragma once

#include <QPointer>
#include <QTextEdit>
#include <QWidget>

namespace quilm {

class TableGridOverlay : public QWidget {
 public:
  // Lies over the viewport of `edit`.
  explicit TableGridOverlay(QTextEdit* edit);

 protected:
  void paintEvent(QPaintEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // The edit the viewport belongs to; none once it is being destroyed (the
  // viewport is watched, not the edit, which may be half gone by then).
  QTextEdit* edit() const;

  QPointer<QWidget> viewport_;
};

}  // namespace quilm
