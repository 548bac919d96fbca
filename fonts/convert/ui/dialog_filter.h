// File dialog filters as the program writes them ("Text files (*.txt)|*.txt|…",
// pairs of caption and mask) turned into the form Qt's file dialogs read.
#pragma once

#include <QString>

namespace quilm::ui {

// "Word Documents (*.Doc)|*.doc|All files (*.*)|*.*" ->
// "Word Documents (*.doc);;All files (*.*)": the mask of each pair decides
// what is shown, as it does in the program's own filters.
QString qt_file_filter(const QString& filter);

}  // namespace quilm::ui
