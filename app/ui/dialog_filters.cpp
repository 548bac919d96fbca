#include "app/ui/dialog_filters.h"

namespace quilm::ui {
namespace {

// The caption without the masks it shows in its last parentheses.
QString caption_without_masks(QString caption) {
  caption = caption.trimmed();
  const qsizetype open = caption.lastIndexOf('(');
  if (caption.endsWith(')') && open >= 0) caption.truncate(open);
  return caption.trimmed();
}

QString qt_masks(const QString& masks) {
  QStringList out;
  for (const QString& mask : masks.split(';')) {
    const QString m = mask.trimmed();
    if (!m.isEmpty()) out << (m == "*.*" ? QString("*") : m);
  }
  return out.join(' ');
}

}  // namespace

QStringList qt_name_filters(const std::string& filter) {
  const QStringList parts = QString::fromStdString(filter).split('|');
  QStringList filters;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    const QString masks = qt_masks(parts[i + 1]);
    if (masks.isEmpty()) continue;
    filters << caption_without_masks(parts[i]) + " (" + masks + ")";
  }
  return filters;
}

}  // namespace quilm::ui
