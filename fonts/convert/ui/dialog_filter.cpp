#include "fonts/convert/ui/dialog_filter.h"

#include <QStringList>

namespace quilm::ui {

QString qt_file_filter(const QString& filter) {
  const QStringList parts = filter.split('|');
  QStringList entries;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    QString caption = parts[i].trimmed();
    if (const qsizetype open = caption.lastIndexOf('('); open > 0) caption = caption.left(open).trimmed();
    const QString masks = parts[i + 1].trimmed().split(';', Qt::SkipEmptyParts).join(' ');
    entries << caption + " (" + masks + ")";
  }
  return entries.join(";;");
}

}  // namespace quilm::ui
