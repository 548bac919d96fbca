// The sorted view of the word grid: the search box's text (through the
// usual fixed-string filter) and, once "Frequency Options" has set it, the
// length and frequency filter of the word table.
#pragma once

#include <QSortFilterProxyModel>
#include <optional>

#include "analysis/frequency_options.h"

namespace quilm::ui {

class WordFilterProxy : public QSortFilterProxyModel {
  Q_OBJECT
 public:
  using QSortFilterProxyModel::QSortFilterProxyModel;

  // nullopt shows every word again.
  void set_word_filter(std::optional<WordDisplayFilter> filter);
  const std::optional<WordDisplayFilter>& word_filter() const { return filter_; }

 protected:
  bool filterAcceptsRow(int source_row, const QModelIndex& source_parent) const override;

 private:
  std::optional<WordDisplayFilter> filter_;
};

}  // namespace quilm::ui
