#include "analysis/ui/concordance_window.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace quilm::ui {
namespace {

constexpr int kGridWidth = 960;
constexpr int kWidthPerByte = 12, kWidestWord = 144;

QString text_in(const Bytes& bytes, const TextReading& reading) {
  if (reading.kind == TextKind::Utf8) return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
  return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

QTableWidgetItem* item(const QString& text, Qt::Alignment alignment) {
  auto* it = new QTableWidgetItem(text);
  it->setTextAlignment(alignment | Qt::AlignVCenter);
  it->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
  return it;
}

}  // namespace

ConcordanceWindow::ConcordanceWindow(const std::vector<ConcordanceLine>& lines, TextReading reading,
                                     const QFont& font, QWidget* parent)
    : QDialog(parent) {
  setObjectName("TConcordance");
  setWindowTitle("Concordance");
  grid_ = new QTableWidget(static_cast<int>(lines.size()), 3, this);
  grid_->setObjectName("ConcordanceGrid");
  grid_->setHorizontalHeaderLabels({"First", "", "Third"});
  grid_->setFont(font);
  grid_->verticalHeader()->hide();
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const ConcordanceLine& line = lines[i];
    const int row = static_cast<int>(i);
    grid_->setItem(row, 0, item(text_in(line.first, reading), Qt::AlignRight));
    QTableWidgetItem* word = item(text_in(line.second, reading), Qt::AlignHCenter);
    word->setForeground(Qt::red);
    grid_->setItem(row, 1, word);
    grid_->setItem(row, 2, item(text_in(line.third, reading) + (line.stale ? tr(" (changed)") : QString()),
                                Qt::AlignLeft));
  }
  const std::size_t word_bytes = lines.empty() ? 0 : lines.front().second.size();
  const int word_width = std::min<int>(kWidthPerByte * static_cast<int>(word_bytes), kWidestWord);
  grid_->setColumnWidth(0, (kGridWidth - word_width) / 2);
  grid_->setColumnWidth(1, word_width);
  grid_->setColumnWidth(2, (kGridWidth - word_width) / 2);
  auto* close = new QDialogButtonBox(QDialogButtonBox::Close, this);
  connect(close, &QDialogButtonBox::rejected, this, &QDialog::close);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(grid_);
  layout->addWidget(close);
  resize(kGridWidth + 40, 420);
}

}  // namespace quilm::ui
