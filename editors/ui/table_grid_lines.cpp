#include "editors/ui/table_grid_lines.h"

#include <QAbstractTextDocumentLayout>
#include <QEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextFrame>
#include <QTextTable>
#include <algorithm>
#include <vector>

namespace quilm {
namespace {

void borderless_tables(QTextFrame* frame, std::vector<QTextTable*>& out) {
  for (QTextFrame* child : frame->childFrames()) {
    if (auto* table = qobject_cast<QTextTable*>(child); table && table->format().border() <= 0) out.push_back(table);
    borderless_tables(child, out);
  }
}

// The text of a cell as laid out: the blocks from its first to its last.
QRectF cell_text_rect(const QAbstractTextDocumentLayout& layout, const QTextTableCell& cell) {
  QRectF rect;
  const QTextBlock last = cell.lastCursorPosition().block();
  for (QTextBlock b = cell.firstCursorPosition().block(); b.isValid(); b = b.next()) {
    rect = rect.united(layout.blockBoundingRect(b));
    if (b == last) break;
  }
  return rect;
}

// Rows share their top and bottom, columns their left and right edges.
void draw_grid(QPainter& painter, const QAbstractTextDocumentLayout& layout, const QTextTable& table) {
  const int rows = table.rows(), columns = table.columns();
  const qreal pad = table.format().cellPadding();
  std::vector<qreal> top(rows, 1e9), bottom(rows, -1e9), left(columns, 1e9), right(columns, -1e9);
  for (int r = 0; r < rows; ++r)
    for (int c = 0; c < columns; ++c) {
      const QTextTableCell cell = table.cellAt(r, c);
      if (cell.row() != r || cell.column() != c) continue;
      const QRectF text = cell_text_rect(layout, cell);
      top[r] = std::min(top[r], text.top() - pad);
      bottom[r + cell.rowSpan() - 1] = std::max(bottom[r + cell.rowSpan() - 1], text.bottom() + pad);
      left[c] = std::min(left[c], text.left() - pad);
      right[c + cell.columnSpan() - 1] = std::max(right[c + cell.columnSpan() - 1], text.right() + pad);
    }
  for (int r = 0; r < rows; ++r)
    for (int c = 0; c < columns; ++c) {
      const QTextTableCell cell = table.cellAt(r, c);
      if (cell.row() != r || cell.column() != c) continue;
      const QPointF from(left[c], top[r]);
      const QPointF to(right[c + cell.columnSpan() - 1], bottom[r + cell.rowSpan() - 1]);
      if (from.x() < to.x() && from.y() < to.y()) painter.drawRect(QRectF(from, to));
    }
}

}  // namespace

TableGridOverlay::TableGridOverlay(QTextEdit* edit) : QWidget(edit->viewport()), viewport_(edit->viewport()) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setAttribute(Qt::WA_NoSystemBackground);
  edit->viewport()->installEventFilter(this);
  // Scrolling moves the viewport's children with its picture: put back, drawn anew.
  const auto follow = [this] {
    if (!viewport_) return;
    setGeometry(viewport_->rect());
    update();
  };
  connect(edit->verticalScrollBar(), &QScrollBar::valueChanged, this, follow);
  connect(edit->horizontalScrollBar(), &QScrollBar::valueChanged, this, follow);
  connect(edit->document(), &QTextDocument::contentsChanged, this, qOverload<>(&QWidget::update));
  setGeometry(edit->viewport()->rect());
  show();
}

QTextEdit* TableGridOverlay::edit() const {
  return viewport_ ? qobject_cast<QTextEdit*>(viewport_->parentWidget()) : nullptr;
}

bool TableGridOverlay::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Resize && viewport_ && watched == viewport_) setGeometry(viewport_->rect());
  return false;
}

void TableGridOverlay::paintEvent(QPaintEvent*) {
  QTextEdit* text_edit = edit();
  if (!text_edit) return;
  QTextDocument* doc = text_edit->document();
  std::vector<QTextTable*> tables;
  borderless_tables(doc->rootFrame(), tables);
  if (tables.empty()) return;
  QPainter painter(this);
  painter.translate(-text_edit->horizontalScrollBar()->value(), -text_edit->verticalScrollBar()->value());
  painter.setPen(QPen(Qt::lightGray, 0, Qt::DotLine));
  for (const QTextTable* table : tables) draw_grid(painter, *doc->documentLayout(), *table);
}

}  // namespace quilm
