#include "app/ui/dialog_filters.h"

#include "common/dialog_filters.h"

namespace quilm::ui {

QStringList qt_name_filters(const std::string& filter) {
  QStringList filters;
  for (const std::string& f : dialog_name_filters(filter)) filters << QString::fromStdString(f);
  return filters;
}

}  // namespace quilm::ui
