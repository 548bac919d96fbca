#include "analysis/ui/frequency_charts.h"

#include <QBarCategoryAxis>
#include <QHorizontalBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QGridLayout>
#include <QLineSeries>
#include <QLogValueAxis>
#include <QPushButton>
#include <QScrollArea>
#include <QValueAxis>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

namespace quilm::ui {
namespace {

QString label_text(const Bytes& label, const TextReading& reading) {
  if (reading.kind == TextKind::Utf8) return QString::fromUtf8(label.data(), static_cast<qsizetype>(label.size()));
  return QString::fromLatin1(label.data(), static_cast<qsizetype>(label.size()));
}

QChartView* chart_view(const QString& title, QWidget* parent) {
  auto* chart = new QChart();
  chart->setTitle(title);
  chart->legend()->hide();
  chart->setAnimationOptions(QChart::NoAnimation);
  auto* view = new QChartView(chart, parent);
  view->setRenderHint(QPainter::Antialiasing);
  view->setMinimumSize(320, 300);
  return view;
}

// A category label taller than its bar's share of the axis is cut to "…"
// (and every other one hidden), and one that reaches past the end of the
// axis is left out, so each bar gets one and a half lines of the labels'
// font, besides the title and the value axis.
constexpr int kLabelPointSize = 10;
constexpr int kBarChartChrome = 120;  // title, value axis and margins, in pixels

int bar_chart_height(const QFont& labels_font, std::size_t bars) {
  const QFontMetrics metrics(labels_font);
  return kBarChartChrome + static_cast<int>(bars) * (metrics.lineSpacing() * 3 / 2);
}

void fill_bars(QChartView* view, const std::vector<RankedCount>& counts, const TextReading& reading,
               const QFont& font) {
  QChart* chart = view->chart();
  chart->removeAllSeries();
  for (QAbstractAxis* axis : chart->axes()) {
    chart->removeAxis(axis);
    delete axis;
  }
  auto* set = new QBarSet(QObject::tr("Frequency"));
  QStringList labels;
  std::int64_t highest = 1;
  // Highest at the top: a horizontal bar chart draws its first category at the bottom.
  for (auto c = counts.rbegin(); c != counts.rend(); ++c) {
    *set << static_cast<qreal>(c->count);
    labels << label_text(c->label, reading);
    highest = std::max(highest, c->count);
  }
  auto* series = new QHorizontalBarSeries();
  series->append(set);
  chart->addSeries(series);
  auto* categories = new QBarCategoryAxis();
  categories->append(labels);
  QFont labels_font = font;
  labels_font.setPointSize(kLabelPointSize);
  categories->setLabelsFont(labels_font);
  categories->setTruncateLabels(false);
  view->setMinimumHeight(bar_chart_height(labels_font, counts.size()));
  chart->addAxis(categories, Qt::AlignLeft);
  series->attachAxis(categories);
  auto* values = new QValueAxis();
  values->setRange(0, static_cast<qreal>(highest));
  values->setLabelFormat("%d");
  chart->addAxis(values, Qt::AlignBottom);
  series->attachAxis(values);
}

QLogValueAxis* log_axis(const QString& title, qreal highest) {
  auto* axis = new QLogValueAxis();
  axis->setTitleText(title);
  axis->setBase(10);
  axis->setLabelFormat("%g");
  axis->setRange(1, std::max<qreal>(10, std::pow(10, std::ceil(std::log10(std::max<qreal>(highest, 1))))));
  return axis;
}

void fill_zipf(QChart* chart, const std::vector<std::int64_t>& ranks) {
  chart->removeAllSeries();
  for (QAbstractAxis* axis : chart->axes()) {
    chart->removeAxis(axis);
    delete axis;
  }
  auto* series = new QLineSeries();
  QList<QPointF> points;
  points.reserve(static_cast<qsizetype>(ranks.size()));
  for (std::size_t i = 0; i < ranks.size(); ++i)
    if (ranks[i] > 0) points.append(QPointF(static_cast<qreal>(i + 1), static_cast<qreal>(ranks[i])));
  series->replace(points);
  chart->addSeries(series);
  auto* x = log_axis(QObject::tr("Rank"), static_cast<qreal>(ranks.size()));
  auto* y = log_axis(QObject::tr("Frequency"), ranks.empty() ? 1 : static_cast<qreal>(ranks.front()));
  chart->addAxis(x, Qt::AlignBottom);
  chart->addAxis(y, Qt::AlignLeft);
  series->attachAxis(x);
  series->attachAxis(y);
}

}  // namespace

FrequencyCharts::FrequencyCharts(QWidget* parent) : QWidget(parent) {
  setObjectName("FrequencyCharts");
  // The bars keep the height their labels need; a small window scrolls.
  auto* scroll = new QScrollArea(this);
  scroll->setWidgetResizable(true);
  scroll->setFrameShape(QFrame::NoFrame);
  pictures_ = new QWidget(scroll);
  scroll->setWidget(pictures_);
  auto* grid = new QGridLayout(pictures_);
  grid->setContentsMargins(0, 0, 0, 0);
  word_bars_ = chart_view(tr("Most frequent words"), pictures_);
  character_bars_ = chart_view(tr("Most frequent characters"), pictures_);
  zipf_ = chart_view(tr("Rank and frequency of the words (log axes)"), pictures_);
  grid->addWidget(word_bars_, 0, 0);
  grid->addWidget(character_bars_, 0, 1);
  grid->addWidget(zipf_, 1, 0, 1, 2);
  export_ = new QPushButton(tr("Export Chart..."), this);
  export_->setObjectName("ExportChart");
  connect(export_, &QPushButton::clicked, this, &FrequencyCharts::exportRequested);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(scroll, 1);
  layout->addWidget(export_, 0, Qt::AlignRight);
}

void FrequencyCharts::show_counts(const std::vector<RankedCount>& words, const std::vector<RankedCount>& characters,
                                  const std::vector<std::int64_t>& word_ranks, TextReading reading, const QFont& font) {
  fill_bars(word_bars_, words, reading, font);
  fill_bars(character_bars_, characters, reading, font);
  fill_zipf(zipf_->chart(), word_ranks);
}

bool FrequencyCharts::save_png(const QString& path) { return pictures_->grab().save(path, "PNG"); }

}  // namespace quilm::ui
