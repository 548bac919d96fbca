// The filters of the file dialogs (common/dialog_filters.h) as the
// name filters of Qt's file dialog.
#pragma once

#include <QStringList>
#include <string>

namespace quilm::ui {

QStringList qt_name_filters(const std::string& filter);

}  // namespace quilm::ui
