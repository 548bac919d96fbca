#include "analysis/ui/word_filter_proxy.h"

#include "analysis/ui/result_table_model.h"

namespace quilm::ui {

void WordFilterProxy::set_word_filter(std::optional<WordDisplayFilter> filter) {
  if (filter == filter_) return;
  filter_ = filter;
  invalidateFilter();
}

bool WordFilterProxy::filterAcceptsRow(int source_row, const QModelIndex& source_parent) const {
  if (!QSortFilterProxyModel::filterAcceptsRow(source_row, source_parent)) return false;
  if (!filter_) return true;
  const auto* words = qobject_cast<const ResultTableModel*>(sourceModel());
  if (!words || source_row < 0 || static_cast<std::size_t>(source_row) >= words->rows().size()) return true;
  return word_row_admitted(words->rows()[static_cast<std::size_t>(source_row)], *filter_);
}

}  // namespace quilm::ui
