// The charts of the analysis window: bars of the most frequent words and
// characters, and the rank-frequency (Zipf) plot of the words on log axes.
// "Export Chart..." saves the charts as a PNG picture.
#pragma once

#include <QFont>
#include <QWidget>
#include <vector>

#include "analysis/frequency_ranking.h"
#include "analysis/text_words.h"

class QChartView;
class QPushButton;

namespace quilm::ui {

class FrequencyCharts : public QWidget {
  Q_OBJECT
 public:
  static constexpr std::size_t kBars = 12;

  explicit FrequencyCharts(QWidget* parent = nullptr);

  // The words' labels are drawn in `font`, read in `reading`.
  void show_counts(const std::vector<RankedCount>& words, const std::vector<RankedCount>& characters,
                   const std::vector<std::int64_t>& word_ranks, TextReading reading, const QFont& font);
  // The charts as one picture; false when it cannot be written.
  bool save_png(const QString& path);

  QChartView* word_bars() const { return word_bars_; }
  QChartView* character_bars() const { return character_bars_; }
  QChartView* zipf() const { return zipf_; }
  QPushButton* export_button() const { return export_; }

 signals:
  void exportRequested();

 private:
  QChartView* word_bars_ = nullptr;
  QChartView* character_bars_ = nullptr;
  QChartView* zipf_ = nullptr;
  QWidget* pictures_ = nullptr;  // what the PNG shows
  QPushButton* export_ = nullptr;
};

}  // namespace quilm::ui
